#!/usr/bin/env bash
# Pictures every window of Nestrel: builds the program, stages a copy of the shipped
# data under build/shots-stage with a throwaway HOME, opens each window on a private
# virtual display and writes one PNG per window into build/shots/. Nothing outside
# build/ is written, and the program is closed without saving.
#   bash scripts/screenshots.sh                 all windows
#   bash scripts/screenshots.sh likes-chart     only the windows named
#   bash scripts/screenshots.sh --help-pictures copy the pictures into resources/help/pictures
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
copy_to_help=0
names=()
for arg in "$@"; do
  if [[ $arg == --help-pictures ]]; then copy_to_help=1; else names+=("$arg"); fi
done
bash scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target nestrel-shots

stage=$root/build/shots-stage
out=$root/build/shots
rm -rf "$stage" "$out"
mkdir -p "$stage/Saved" "$stage/home/.config" "$out"
cp -r resources/Data "$stage/Data"
cp -r resources/res resources/help "$stage/"
cp resources/Data/Example.NBD "$stage/Saved/DefaultSims.NBD"

(cd "$stage" && HOME="$stage/home" XDG_CONFIG_HOME="$stage/home/.config" XDG_DATA_HOME="$stage/home/.local/share" \
  XDG_STATE_HOME="$stage/home/.local/state" \
  NESTREL_SHOTS_DIR="$out" timeout 300 "$root/scripts/xvfb.sh" "$root/build/tools/shots/nestrel-shots" "${names[@]}")

if ((copy_to_help)); then
  mkdir -p resources/help/pictures
  cp "$out"/*.png resources/help/pictures/
  echo "Copied the pictures to resources/help/pictures"
fi
echo "Pictures: $out"
