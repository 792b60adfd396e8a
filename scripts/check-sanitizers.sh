#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer in its own folder and runs every test under them. Any
# report fails the test that made it, and the script exits non-zero.
#   scripts/check-sanitizers.sh [ctest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${DARVELO_SANITIZE_DIR:-build-sanitizers}
cmake -S . -B "$dir" -G Ninja -DDARVELO_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDARVELO_SANITIZE=address,undefined >/dev/null
cmake --build "$dir"
supp="$PWD/scripts/sanitizers"
# Undefined behaviour stops the test at once, as a memory error does;
# leaks are checked when each test process ends.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen DARVELO_SEM_ASSOCIACAO=1
if pg_url=$(timeout 300 scripts/start-postgres.sh); then
  export DARVELO_PG_TEST="$pg_url"
else
  echo "AVISO: sem servidor PostgreSQL local; os testes de PostgreSQL serão pulados." >&2
fi
# Sanitized code runs a few times slower; the timeout is raised to match.
ctest --test-dir "$dir" --output-on-failure --timeout 1800 -j "$(nproc)" "$@"
