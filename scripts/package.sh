#!/usr/bin/env bash
# Builds a Release tree and makes the Debian package; prints the .deb's path.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-pacote}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDARVELO_TESTS=OFF >/dev/null
cmake --build "$build" >&2
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$PWD/$build/darvelo-planilhas_${version}_amd64.deb
rm -f "$deb"
(cd "$build" && cpack -G DEB >&2)
# A package that would install but not run: no computed dependencies, or a
# program or the help missing from it.
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6-sqlite qt6-qpa-plugins libxlsxwriter4 liborcus-0.17-0; do
    case ", $depends" in *", $needed"*) ;; *) echo "O pacote não depende de $needed: $depends" >&2; exit 1 ;; esac
done
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/darvelo ./usr/bin/darvelo-planilhas ./usr/share/darvelo-planilhas/ajuda/Vandrel.htm \
    ./usr/share/applications/darvelo-planilhas.desktop ./usr/share/mime/packages/darvelo-planilhas.xml; do
    grep -q " $file\$" <<<"$contents" || { echo "Falta no pacote: $file" >&2; exit 1; }
done
echo "$deb"
