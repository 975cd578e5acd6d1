#!/usr/bin/env bash
# Prints the tool's benchmark figures. Usage: scripts/bench.sh [build-dir]
# Start-up is measured on an X server: the one of DISPLAY, or a private Xvfb
# started for the run when there is none (offscreen without Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j "$(nproc)" --target talir_bench
xvfb_pid=
if [ -z "${DISPLAY:-}" ] && command -v Xvfb >/dev/null; then
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null; rm -f "$fdfile"' EXIT
    for _ in $(seq 50); do [ -s "$fdfile" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$fdfile")"
    export QT_QPA_PLATFORM=xcb
fi
# The fuzz corpora: the seeds and what `make fuzz` grew from them.
corpora=(tests/fuzz/corpus)
[ -d build-fuzz/corpus ] && corpora+=(build-fuzz/corpus)
"$build/bench/talir_bench" "${corpora[@]}"
scripts/bench_batch.sh "$build"
