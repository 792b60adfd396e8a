#!/usr/bin/env bash
# Installs what is needed, builds, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DDARVELO_TESTS=OFF >/dev/null
cmake --build build --target darvelo
exec build/cli/darvelo demo
