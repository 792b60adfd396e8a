#!/usr/bin/env bash
# Regenerates the committed dumps of the sample reports (tests/exemplo/golden)
# from the current build. Review the diff before committing it: every change
# in a dump is a change in a report users get.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-tests}
cmake -S . -B "$build" -G Ninja -DDARVELO_TESTS=ON >/dev/null
cmake --build "$build" --target darvelo
darvelo="$build/cli/darvelo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$darvelo" exemplo "$work" >/dev/null
for modelo in resumo-folha rateio provisoes cadastro; do
  "$darvelo" gerar "$work/$modelo.nxs" --banco "sqlite:$work/folha-demo.sqlite" \
    -o "$work/$modelo-relatorio.nxs" --silencioso >/dev/null
  "$darvelo" converter "$work/$modelo-relatorio.nxs" "$work/$modelo.json" >/dev/null
  # One value per line, so that a review sees which cells changed.
  python3 -m json.tool --indent 1 "$work/$modelo.json" > "tests/exemplo/golden/$modelo.json"
done
git --no-pager diff --stat -- tests/exemplo/golden
