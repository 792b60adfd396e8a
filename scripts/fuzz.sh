#!/usr/bin/env bash
# Runs the libFuzzer targets one after another, each for a given number of
# seconds on a copy of its seed corpus, and writes a summary of the inputs
# each tried and whether it found a fault. Exits non-zero when any did.
#
#   scripts/fuzz.sh [-t SECONDS] [-w WORK_FOLDER] [TARGET...]
#
# Without targets every one in fuzz/ runs. The fuzz build (build-fuzz, with
# the address and undefined-behaviour sanitizers) is configured and built
# when needed. Faulting inputs are kept in WORK_FOLDER/<target>/faults.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=60
work=${TMPDIR:-/tmp}/darvelo-fuzz
all_targets=(formula_parser_fuzz native_reader_fuzz xls_reader_fuzz xlsx_reader_fuzz clipboard_block_fuzz
    inclusion_list_fuzz sql_translator_fuzz formatting_masks_fuzz number_format_fuzz)

while getopts "t:w:h" option; do
    case $option in
    t) seconds=$OPTARG ;;
    w) work=$OPTARG ;;
    *) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

build=$root/build-fuzz
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work}
if [ ! -f "$build/build.ninja" ]; then
    CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DDARVELO_FUZZ=ON -DDARVELO_TESTS=OFF \
        -DDARVELO_SANITIZE=address,undefined >/dev/null
fi
ninja -C "$build" "${targets[@]}" -j2 >/dev/null

mkdir -p "$work"
summary=$work/summary.txt
printf '%-24s %10s %8s %s\n' target execs seconds result >"$summary"
failed=0
for target in "${targets[@]}"; do
    folder=$work/$target
    rm -rf "$folder"
    mkdir -p "$folder/corpus" "$folder/faults"
    seeds=$root/fuzz/corpus/$target
    if [ -d "$seeds" ]; then
        cp "$seeds"/* "$folder/corpus/"
    fi
    echo "== $target: $seconds s" >&2
    status=0
    start=$(date +%s)
    # A single input slower than 10 s counts as a hang; more than 2 GiB as a fault.
    "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$folder/faults/" "$folder/corpus" >"$folder/log.txt" 2>&1 || status=$?
    elapsed=$(($(date +%s) - start))
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$folder/log.txt" | tail -1)
    if [ "$status" -eq 0 ] && [ -z "$(ls -A "$folder/faults")" ]; then
        result=ok
    else
        result="FAULT (exit $status; see $folder/log.txt, inputs in $folder/faults)"
        failed=1
    fi
    printf '%-24s %10s %8s %s\n' "$target" "${execs:-?}" "$elapsed" "$result" >>"$summary"
done
cat "$summary"
exit $failed
