#!/usr/bin/env bash
# Installs what is needed, builds, creates the demo payroll database when it
# is absent, and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DDARVELO_TESTS=OFF >/dev/null
cmake --build build --target darvelo
mkdir -p demo
build/cli/darvelo banco-demo --banco sqlite:demo/folha-demo.sqlite --se-ausente
exec build/cli/darvelo demo
