#!/usr/bin/env bash
# Screenshots of the editor for docs/capturas: builds the editor, makes the
# example report when absent, and photographs it under a virtual X server.
# BUILD names the build folder (default build), so that a tests tree that
# is already built serves as well: BUILD=build-tests tools/capturas.sh
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
command -v xvfb-run >/dev/null || sudo apt-get install -y -q xvfb xauth
cmake -S . -B "$BUILD" -G Ninja >/dev/null
cmake --build "$BUILD" --target darvelo darvelo-capturas
"$BUILD"/cli/darvelo exemplo exemplo >/dev/null  # the templates as this version writes them
mkdir -p docs/capturas
"$BUILD"/cli/darvelo gerar exemplo/resumo-folha.nxs --banco sqlite:exemplo/folha-demo.sqlite \
  -o docs/capturas/relatorio.nxs --silencioso >/dev/null
mkdir -p docs/capturas
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1366x800x24" "$BUILD"/tools/darvelo-capturas \
  docs/capturas/relatorio.nxs docs/capturas exemplo/resumo-folha.nxs sqlite:exemplo/folha-demo.sqlite
rm -f docs/capturas/relatorio.nxs
# The first page of the report's PDF, as a client receives it.
command -v pdftoppm >/dev/null || sudo apt-get install -y -q poppler-utils
"$BUILD"/cli/darvelo gerar exemplo/resumo-folha.nxs --banco sqlite:exemplo/folha-demo.sqlite \
  -o docs/capturas/relatorio.pdf --silencioso >/dev/null
pdftoppm -f 1 -l 1 -r 80 -png -singlefile docs/capturas/relatorio.pdf docs/capturas/relatorio-pagina1
rm -f docs/capturas/relatorio.pdf
