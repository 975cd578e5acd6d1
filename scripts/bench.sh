#!/usr/bin/env bash
# Prints the tool's benchmark figures. Usage: scripts/bench.sh [build-dir]
set -euo pipefail
build=${1:-build}
cmake --build "$build" -j "$(nproc)" --target talir_bench
"$build/bench/talir_bench"
"$(dirname "$0")/bench_batch.sh" "$build"
