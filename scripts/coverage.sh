#!/usr/bin/env bash
# Builds everything with line coverage in its own folder, runs every test,
# and prints the line coverage of the product code (tests, benchmarks and
# fuzz targets left out). The HTML report goes to build-coverage/cobertura/.
#   scripts/coverage.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
dir=${DARVELO_COVERAGE_DIR:-build-coverage}
cmake -S . -B "$dir" -G Ninja -DDARVELO_TESTS=ON -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dir"
find "$dir" -name '*.gcda' -delete
export QT_QPA_PLATFORM=offscreen DARVELO_SEM_ASSOCIACAO=1
if pg_url=$(timeout 300 scripts/start-postgres.sh); then
  export DARVELO_PG_TEST="$pg_url"
fi
# The report is made even when a test fails; the script then fails too.
status=0
ctest --test-dir "$dir" --timeout 1800 -j "$(nproc)" "$@" || status=$?
mkdir -p "$dir/cobertura"
gcovr --root . --object-directory "$dir" --exclude 'tests/' --exclude 'bench/' --exclude 'fuzz/' \
  --exclude "$dir/" --exclude '.*_autogen/' --gcov-ignore-parse-errors \
  --print-summary --html-details "$dir/cobertura/index.html" -j "$(nproc)"
exit "$status"
