#!/usr/bin/env bash
# Installs the Debian packages Nestrel needs, when any is missing: to build it, and every
# program a test, benchmark or script starts (SVG checks: librsvg2-bin for rsvg-convert,
# libxml2-utils for xmllint; jq reads the JSON dump; x11-utils for xwininfo, imagemagick
# for import; lintian, dpkg-dev and file check the package; time for the memory figure).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  libwxgtk3.2-dev libcurl4-openssl-dev libcairo2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev libinih-dev
  clang libclang-rt-dev
  libgedcom-perl lintian dpkg-dev file
  help2man man-db bsdextrautils desktop-file-utils appstream gettext locales wx3.2-i18n
  xvfb xauth x11-utils imagemagick time
  librsvg2-bin libxml2-utils jq
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

# The German window test and pictures run as on a German desktop. Nestrel picks its
# language from LANG without the locale, but with it generated the toolkit's own
# buttons and number formats are German too, as players see them.
if ! locale -a 2>/dev/null | grep -qiE '^de_DE\.utf-?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  SUDO=""; [[ $(id -u) == 0 ]] || SUDO=sudo
  $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
