#!/usr/bin/env bash
# Installs the Debian package into a fresh Debian 12 made with debootstrap,
# without its recommended packages, and runs both programs there: the
# versions, the help path, the sample report to xlsx and PDF, and the editor
# under a virtual X server. Needs root and the network.
#   scripts/check-package.sh [PACKAGE.deb]
# Without a package, scripts/package.sh builds one.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=${1:-$(scripts/package.sh)}
command -v debootstrap >/dev/null || apt-get install -y -q debootstrap >&2
root=$(mktemp -d /var/tmp/darvelo-debian.XXXXXX)
# The system's /dev is mounted inside: it must be let go before the folder
# is removed, or the removal would reach the real device nodes.
# A program just ended may still hold them, so they are let go lazily.
cleanup() {
    umount -R -l "$root/dev" 2>/dev/null || true
    umount -l "$root/proc" 2>/dev/null || true
    if ! grep -q " $root/" /proc/mounts; then rm -rf "$root"; fi
}
trap cleanup EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >&2
cp /etc/resolv.conf "$root/etc/"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"  # unmounting it must not reach the system's own
cp "$deb" "$root/tmp/pacote.deb"
run() { chroot "$root" env HOME=/root LANG=C.UTF-8 bash -euc "$1"; }
run 'apt-get update -q >/dev/null
     DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends /tmp/pacote.deb xvfb xauth >/dev/null'
run 'darvelo --version; darvelo-planilhas --version; test -f "$(darvelo-planilhas --caminho-ajuda)/Vandrel.htm"
     cd /tmp && darvelo exemplo ex >/dev/null
     darvelo gerar ex/resumo-folha.nxs --banco sqlite:ex/folha-demo.sqlite -o ex/resumo.xlsx --silencioso
     darvelo gerar ex/resumo-folha.nxs --banco sqlite:ex/folha-demo.sqlite -o ex/resumo.pdf --silencioso
     test -s ex/resumo.xlsx && test -s ex/resumo.pdf
     DARVELO_SAIR_AO_MOSTRAR=1 xvfb-run -a darvelo-planilhas ex/resumo-folha.nxs'
echo "O pacote instala e funciona num Debian 12 limpo: $deb"
