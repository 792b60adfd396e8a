#!/usr/bin/env bash
# Installs what is needed, builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-tests -G Ninja -DDARVELO_TESTS=ON >/dev/null
cmake --build build-tests
export QT_QPA_PLATFORM=offscreen DARVELO_SEM_ASSOCIACAO=1
# The database tests run on SQLite and on a local PostgreSQL server. In CI
# the server must start; by hand, without one, those tests skip and say so.
if pg_url=$(timeout 300 scripts/start-postgres.sh); then
  export DARVELO_PG_TEST="$pg_url"
elif [ "${CI:-}" = true ]; then
  echo "O servidor PostgreSQL local não iniciou." >&2
  exit 1
else
  echo "AVISO: sem servidor PostgreSQL local; os testes de PostgreSQL serão pulados." >&2
fi
# A test that hangs fails on its own instead of holding up the whole run.
ctest --test-dir build-tests --output-on-failure --timeout 900 -j "$(nproc)"
# The Debian package only when asked for: it is a second, Release build.
if [ "${CI_PACOTE:-}" = 1 ]; then scripts/package.sh; fi
