#!/usr/bin/env bash
# Reads and writes a 100,000 x 10 xlsx file (five columns of numbers, five
# of short texts) with our code and with Gnumeric's ssconvert, printing the
# wall time and peak memory of each run. Two files: Gnumeric's own, whose
# cells carry no format, and ours, written back from it, whose cells all
# name one. Writing xlsx costs about the "-> xlsx" time less the "-> csv".
# Usage: bench/xlsx-speed.sh   (after building build-bench with DARVELO_BENCH=ON)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=$PWD/build-bench/bench/engine_bench
darvelo=$PWD/build-bench/cli/darvelo
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
awk 'BEGIN { for (r = 0; r < 100000; ++r) {
  for (c = 0; c < 5; ++c) printf "%s,", r * 1.25 + c
  for (c = 5; c < 10; ++c) printf "item %d%s", (r * 7 + c) % 5000, c < 9 ? "," : "\n" } }' >"$dir/big.csv"
ssconvert "$dir/big.csv" "$dir/gnumeric.xlsx" 2>/dev/null
"$darvelo" converter "$dir/gnumeric.xlsx" "$dir/ours.xlsx" >/dev/null
medir() { /usr/bin/time -f "%e s %M KB" "$@" 2>&1 >/dev/null | tail -1; }
for f in gnumeric ours; do
  in=$dir/$f.xlsx
  echo "$f.xlsx"
  echo "  load only (engine_bench): $(DARVELO_BENCH_XLSX=$in medir "$bench" --benchmark_filter=BM_LoadXlsx)"
  echo "  darvelo   -> csv:         $(medir "$darvelo" converter "$in" "$dir/out.csv")"
  echo "  darvelo   -> xlsx:        $(medir "$darvelo" converter "$in" "$dir/out.xlsx")"
  echo "  ssconvert -> csv:         $(medir ssconvert "$in" "$dir/out.csv")"
  echo "  ssconvert -> xlsx:        $(medir ssconvert "$in" "$dir/out.xlsx")"
done
