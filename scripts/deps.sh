#!/usr/bin/env bash
# Installs the Debian packages Nestrel needs, when any is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libwxgtk3.2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libinih-dev
  clang libclang-rt-dev
  libgedcom-perl lintian dpkg-dev file
  help2man man-db bsdextrautils desktop-file-utils appstream
  xvfb xauth x11-utils imagemagick time
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""; [[ $(id -u) == 0 ]] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
