#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets.
# Arguments: the build folder and the project's version.
set -euo pipefail
build=$1 versao=$2
prefixo=$(mktemp -d)
trap 'rm -rf "$prefixo"' EXIT
cmake --install "$build" --prefix "$prefixo" >/dev/null

falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }

for programa in darvelo darvelo-planilhas; do
  saida=$("$prefixo/bin/$programa" --version)
  [ "$saida" = "$programa $versao" ] || falha "$programa --version: '$saida'"
done
ajuda=$("$prefixo/bin/darvelo-planilhas" --caminho-ajuda)
[ "$ajuda" = "$prefixo/share/darvelo-planilhas/ajuda" ] || falha "ajuda em '$ajuda'"
[ -f "$ajuda/Vandrel.htm" ] || falha "sem $ajuda/Vandrel.htm"

for arquivo in share/applications/darvelo-planilhas.desktop share/mime/packages/darvelo-planilhas.xml \
  share/icons/hicolor/scalable/apps/darvelo-planilhas.svg share/icons/hicolor/48x48/apps/darvelo-planilhas.png \
  share/man/man1/darvelo.1 share/man/man1/darvelo-planilhas.1 share/bash-completion/completions/darvelo \
  share/doc/darvelo-planilhas/capturas/janela-principal.png; do
  [ -f "$prefixo/$arquivo" ] || falha "não instalado: $arquivo"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefixo/share/applications/darvelo-planilhas.desktop" || falha "desktop-file-validate"
fi
mime=$prefixo/share/mime/packages/darvelo-planilhas.xml
xmllint --noout "$mime" || falha "xmllint"
# The schema shared-mime-info ships is RELAX NG.
for esquema in /usr/share/xml/shared-mime-info/shared-mime-info.rng /usr/share/shared-mime-info/shared-mime-info.rng; do
  if [ -f "$esquema" ]; then xmllint --noout --relaxng "$esquema" "$mime" 2>/dev/null || falha "esquema $esquema"; fi
done
# The completion offers the commands.
(source "$prefixo/share/bash-completion/completions/darvelo"
 COMP_WORDS=(darvelo g); COMP_CWORD=1; _darvelo
 [ "${COMPREPLY[*]}" = gerar ]) || falha "completion"
exit $((falhas > 0))
