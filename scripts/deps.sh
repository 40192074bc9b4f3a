#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and `make run` need and the machine lacks.
# As root it installs them; otherwise it prints the one command to run and stops.
set -euo pipefail

packages=(cmake make g++ pkg-config libsqlite3-dev sqlite3 libicu-dev mdbtools mdbtools-dev libglib2.0-dev libpcre2-dev
          qt6-base-dev qt6-svg-dev libgtest-dev xvfb xauth x11-utils fonts-dejavu-core
          dpkg-dev file lintian           # make package: dependencies from dpkg-shlibdeps; its test runs lintian
          appstream desktop-file-utils    # the package test validates its metainfo and desktop entry
          python3-xlrd python3-openpyxl   # the tests read every workbook they write with an independent reader
          poppler-utils                   # the tests read the chart's PDF with pdfinfo
          libxlsxwriter-dev)              # the .xlsx export

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Faltam pacotes. Instale-os com:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Instalando: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
