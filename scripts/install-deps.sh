#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need.
set -euo pipefail
packages=(cmake ninja-build g++ ccache pkg-config qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  libgsf-1-dev liborcus-dev libxlsxwriter-dev libminizip-dev libzstd-dev zlib1g-dev libsqlite3-dev libpq-dev
  libqt6sql6-sqlite libqt6sql6-psql postgresql-15 qt6-translations-l10n fonts-crosextra-carlito
  python3-openpyxl poppler-utils gcovr
  desktop-file-utils libxml2-utils dpkg-dev file)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"
fi
