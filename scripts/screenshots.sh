#!/usr/bin/env bash
# Pictures every window of Nestrel: builds the program, stages a copy of the shipped
# data under build/shots-stage with a throwaway HOME, opens each window on a private
# virtual display and writes one PNG per window into build/shots/. Nothing outside
# build/ is written, and the program is closed without saving.
#   bash scripts/screenshots.sh                 all windows
#   bash scripts/screenshots.sh likes-chart     only the windows named
#   bash scripts/screenshots.sh --help-pictures copy the pictures into resources/help/pictures
#   bash scripts/screenshots.sh --lang de       the windows in German, into build/shots-de/
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
copy_to_help=0
lang=
names=()
while (($#)); do
  case $1 in
    --help-pictures) copy_to_help=1 ;;
    --lang) lang=${2:?--lang needs a language, e.g. de}; shift ;;
    --lang=*) lang=${1#--lang=} ;;
    *) names+=("$1") ;;
  esac
  shift
done
if [[ -n $lang ]] && ((copy_to_help)); then
  echo "error: the help book's pictures are the English ones; --help-pictures takes no --lang" >&2
  exit 2
fi
bash scripts/deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target nestrel-shots nestrel_translations

stage=$root/build/shots-stage
out=$root/build/shots${lang:+-$lang}
# The program picks its language from the environment, as on a desktop in that language;
# English unless a language is asked for.
lang_env=(LANG=C.UTF-8 LANGUAGE= LC_ALL= LC_MESSAGES=)
if [[ -n $lang ]]; then
  [[ -f build/locale/$lang/LC_MESSAGES/nestrel.mo ]] || { echo "error: no catalogue for '$lang' (po/LINGUAS)" >&2; exit 2; }
  locale=$lang
  [[ $locale == *_* ]] || locale=${lang}_${lang^^}
  lang_env=(LANG="$locale.UTF-8" LANGUAGE="$lang" LC_ALL= LC_MESSAGES= NESTREL_LOCALE_DIR="$root/build/locale")
fi
rm -rf "$stage" "$out"
mkdir -p "$stage/Saved" "$stage/home/.config" "$out"
cp -r resources/Data "$stage/Data"
cp -r resources/res resources/help "$stage/"
cp resources/Data/Example.NBD "$stage/Saved/DefaultSims.NBD"

(cd "$stage" && env "${lang_env[@]}" HOME="$stage/home" XDG_CONFIG_HOME="$stage/home/.config" XDG_DATA_HOME="$stage/home/.local/share" \
  XDG_STATE_HOME="$stage/home/.local/state" \
  NESTREL_SHOTS_DIR="$out" timeout 300 "$root/scripts/xvfb.sh" "$root/build/tools/shots/nestrel-shots" "${names[@]}")

if ((copy_to_help)); then
  mkdir -p resources/help/pictures
  cp "$out"/*.png resources/help/pictures/
  echo "Copied the pictures to resources/help/pictures"
fi
echo "Pictures: $out"
