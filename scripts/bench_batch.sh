#!/usr/bin/env bash
# Prints the throughput and peak memory of `talir-calc --batch` on a generated
# list of openings over all ten calculation windows, written as CSV and as
# JSON. Usage: scripts/bench_batch.sh [build-dir] [openings]. Never fails a build.
set -uo pipefail
build=${1:-build}
count=${2:-1000000}
calc="$build/src/cli/talir-calc"
cmake --build "$build" -j "$(nproc)" --target talir-calc >/dev/null || exit 0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A building's openings: a few hundred sizes per type, air flow zero now and
# then, a mark per opening, every one distinct.
awk -v n="$count" 'BEGIN {
  split("PTD5 PTD6 PTD6set PTL PTLW PTM PTMW PTF PTJ PTLD", w, " ");
  print "mark,window,A,B,Q,sub";
  seed = 12345;
  for (i = 1; i <= n; i++) {
    seed = (seed * 1103515245 + 12345) % 2147483648; a = 1000 + 250 * (seed % 33);
    seed = (seed * 1103515245 + 12345) % 2147483648; b = 300 + 100 * (seed % 38);
    seed = (seed * 1103515245 + 12345) % 2147483648; q = (seed % 7 == 0) ? 0 : seed % 20000;
    k = (i - 1) % 10 + 1;
    if (w[k] == "PTLD") { a = 2030 + 25 * (seed % 320); b = 30 + 25 * (seed % 20) }
    t = (w[k] == "PTF" || w[k] == "PTJ") ? seed % 2 : "";
    printf "F%d-%07d,%s,%d,%d,%d,%s\n", int(i / 1000) + 1, i, w[k], a, b, q, t
  }
}' > "$work/openings.csv"
echo "talir-calc --batch: $count openings, $(du -h "$work/openings.csv" | cut -f1) of CSV"

pin=""
command -v taskset >/dev/null && pin="taskset -c 0"
for format in csv json; do
  out="$work/order.$format"
  if ! /usr/bin/time -f "%e %M" -o "$work/time" $pin "$calc" --batch "$work/openings.csv" \
       -o "$out" --locale en_US 2>"$work/err"; then
    echo "  $format: failed: $(cat "$work/err")"
    continue
  fi
  read -r seconds kib < "$work/time"
  awk -v n="$count" -v s="$seconds" -v k="$kib" -v f="$format" -v size="$(du -h "$out" | cut -f1)" \
    'BEGIN { printf "  %-4s %8.2f s  %9.0f openings/s  peak memory %6.1f MiB  output %s\n",
             f, s, (s > 0 ? n / s : 0), k / 1024, size }'
done
exit 0
