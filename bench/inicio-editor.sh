#!/usr/bin/env bash
# Times the editor from its start until the main window is shown, with the
# sample payroll summary open: each run starts the program, which leaves its
# event loop as soon as the window has been shown. Runs under a virtual X
# server when one is available, else on Qt's offscreen platform.
# Usage: bench/inicio-editor.sh [RUNS]   (default 10)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
cmake --build build --target darvelo-planilhas darvelo >/dev/null
[ -f exemplo/resumo-folha.nxs ] || build/cli/darvelo exemplo exemplo >/dev/null
export DARVELO_SAIR_AO_MOSTRAR=1 DARVELO_SEM_ASSOCIACAO=1
medir() {
  local inicio fim total=0 maior=0 ms
  for _ in $(seq "$runs"); do
    inicio=$(date +%s%N)
    "$@" build/app/darvelo-planilhas exemplo/resumo-folha.nxs
    fim=$(date +%s%N)
    ms=$(( (fim - inicio) / 1000000 ))
    total=$(( total + ms ))
    [ "$ms" -gt "$maior" ] && maior=$ms
  done
  echo "$runs partidas: média $(( total / runs )) ms, pior $maior ms"
}
if command -v xvfb-run >/dev/null; then
  echo "X (xvfb-run, the server's own start counted apart):"
  xvfb-run -a bash -c "$(declare -f medir); runs=$runs; medir env QT_QPA_PLATFORM=xcb"
else
  echo "offscreen:"
  medir env QT_QPA_PLATFORM=offscreen
fi
