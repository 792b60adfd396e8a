#!/usr/bin/env bash
# Builds a Release tree and makes the Debian package; prints the .deb's path.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-pacote}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDARVELO_TESTS=OFF >/dev/null
cmake --build "$build" >&2
(cd "$build" && cpack -G DEB >&2)
ls "$PWD/$build"/darvelo-planilhas_*_amd64.deb
