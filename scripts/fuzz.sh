#!/usr/bin/env bash
# Runs the libFuzzer target of the input path for a given time and fails on
# any crash, sanitizer report, leak or hang (an input taking over 10 s).
# Usage: scripts/fuzz.sh [build-dir] [seconds]
# The corpus grows in <build-dir>/corpus from the worked examples in
# tests/fuzz/corpus; a failing input is kept as <build-dir>/artifacts/crash-*
# (or timeout-*, leak-*) and can be replayed with
#   <build-dir>/tests/fuzz/fuzz_calculators <that file>
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-fuzz}
seconds=${2:-60}
fuzzer="$build/tests/fuzz/fuzz_calculators"
mkdir -p "$build/corpus" "$build/artifacts"
echo "Fuzzing the input path for ${seconds} s ($fuzzer)"
status=0
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ASAN_OPTIONS=detect_leaks=1 \
    "$fuzzer" "$build/corpus" tests/fuzz/corpus \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=256 \
    -artifact_prefix="$build/artifacts/" -print_final_stats=1 \
    >"$build/fuzz.log" 2>&1 || status=$?
grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz.log" || true
if [ "$status" -ne 0 ]; then
    tail -n 60 "$build/fuzz.log" >&2
    echo "fuzz: FAILED (exit $status); the input is in $build/artifacts/" >&2
    exit 1
fi
echo "fuzz: passed, $(ls "$build/corpus" | wc -l) inputs in the corpus"
