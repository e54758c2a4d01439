#!/usr/bin/env bash
# Installs what is missing, builds Nestrel, stages it in build/stage (its data, saved
# neighborhoods, pictures and help) and starts it from there.
# Without a display (DISPLAY unset) it runs on a private virtual display instead, saves a
# picture of the main window as build/nestrel-main-window.png, prints its path and closes.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target nestrel nestrel_translations
# The staged program speaks the desktop's language when the build has its catalogue.
export NESTREL_LOCALE_DIR=$root/build/locale

# The staged folder is the program's install directory: it is started from there and
# finds its Data/ folder in the working directory.
stage=build/stage
first_stage=0
[[ -d $stage/Saved ]] || first_stage=1
mkdir -p "$stage/Data" "$stage/Saved"
rm -rf "$stage/res" "$stage/help"
cp -r resources/res resources/help "$stage/"
if [[ -d resources/Data ]]; then
  # Newer shipped files replace staged ones; files the program rewrote since stay.
  cp -ru resources/Data/. "$stage/Data/"
  if ((first_stage)) && [[ -f resources/Data/Example.NBD ]]; then
    cp resources/Data/Example.NBD "$stage/Saved/DefaultSims.NBD"
  fi
fi

program=$root/build/src/gui/nestrel
if [[ -n ${DISPLAY:-} ]]; then
  cd "$stage"
  exec "$program"
fi

shot=$root/build/nestrel-main-window.png
rm -f "$shot"
echo "No display: starting Nestrel on a virtual display to take a picture of its main window."
# A throwaway HOME: the picture run must not touch the user's configuration.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
(cd "$stage" && HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
  NESTREL_SCREENSHOT="$shot" timeout 120 "$root/scripts/xvfb.sh" "$program")
if [[ ! -s $shot ]]; then
  echo "error: Nestrel did not show its main window" >&2
  exit 1
fi
echo "Screenshot of the main window: $shot"
