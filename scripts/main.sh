#!/usr/bin/env bash
# Installs what is needed, builds, creates the example (demo payroll database
# and sample templates) when it is absent, and runs the main job: the
# generation run of the payroll summary on the demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DDARVELO_TESTS=OFF >/dev/null
cmake --build build --target darvelo
if [ ! -f exemplo/folha-demo.sqlite ] || [ ! -f exemplo/resumo-folha.nxs ]; then
  build/cli/darvelo exemplo exemplo
fi
build/cli/darvelo gerar exemplo/resumo-folha.nxs --banco sqlite:exemplo/folha-demo.sqlite \
  -o relatorio.xlsx -o relatorio.nxs
echo "Relatório gravado em $(pwd)/relatorio.xlsx e $(pwd)/relatorio.nxs"
