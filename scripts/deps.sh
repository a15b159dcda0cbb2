#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need.
# As root it installs what is missing with apt-get; otherwise it prints the
# exact install line and fails when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
  fp-utils libchm-dev
  libphonenumber-dev libprotobuf-dev
  qt6-l10n-tools qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev qt6-svg-dev libsqlite3-dev sqlite3
  xvfb xauth
  poppler-utils
  clang libclang-rt-dev
  dpkg-dev debhelper file lintian appstream desktop-file-utils
  dbus-daemon systemd
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "Missing packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
