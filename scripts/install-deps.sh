#!/usr/bin/env bash
# Installs every Debian package Vantrel needs to build, run and test.
# Idempotent: does nothing (and prints nothing) when all packages are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  libqt6sql6-odbc libqt6svg6-dev
  libsqlite3-dev sqlite3
  libgtest-dev googletest
  fonts-noto-cjk
  xvfb xauth
  unixodbc unixodbc-dev tdsodbc libsqliteodbc
  librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
