#!/usr/bin/env bash
# Installs every Debian package Vantrel needs to build, run, test and package; with --run also
# what only a user's desktop needs (the help viewer, the desktop's file opener, Qt's own Chinese
# texts).
# Idempotent: does nothing (and prints nothing) when all packages are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-webengine-dev-tools
  libqt6sql6-odbc qt6-svg-dev qt6-charts-dev
  libsqlite3-dev sqlite3
  mdbtools-dev libmdb3 mdbtools python3
  libgtest-dev googletest
  fonts-noto-cjk
  xvfb xauth openbox xdotool x11-utils
  unixodbc unixodbc-dev tdsodbc libsqliteodbc
  librsvg2-bin poppler-utils
  adwaita-icon-theme fp-utils
  dpkg-dev lintian desktop-file-utils appstream file
)
if [ "${1:-}" = "--run" ]; then
  packages+=(xchm xdg-utils qt6-translations-l10n)
fi

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
