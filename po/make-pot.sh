#!/usr/bin/env bash
# Writes the message template from the sources (see cmake/Translations.cmake).
# Usage: make-pot.sh SOURCE_FOLDER OUTPUT.pot VERSION
set -euo pipefail
src=$(realpath "$1")
out=$2
version=$3
cd "$src"
# The desktop program's sources and the core's: the command-line tool prints rows for
# other programs to read and stays in English, and tests, tools and benchmarks show
# nothing to players.
find src -path src/cli -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | LC_ALL=C sort >"$out.files"
xgettext --from-code=UTF-8 --language=C++ --add-comments=TRANSLATORS: \
  --keyword=_ --keyword=tr --keyword=N_ --keyword=wxTRANSLATE --keyword=wxGetTranslation:1 \
  --keyword=wxPLURAL:1,2 --keyword=wxGETTEXT_IN_CONTEXT:1c,2 \
  --package-name=Nestrel --package-version="$version" \
  --copyright-holder="the Nestrel developers" --msgid-bugs-address="nestrel@example.org" \
  --add-location=file --sort-by-file \
  --files-from="$out.files" --output="$out.new"
rm -f "$out.files"
# The template's creation date is the one line that changes on every run; keep the
# file as it was when nothing else changed.
if [[ -f $out ]] && diff -q <(grep -v '^"POT-Creation-Date:' "$out") <(grep -v '^"POT-Creation-Date:' "$out.new") >/dev/null; then
  rm -f "$out.new"
else
  mv "$out.new" "$out"
fi
