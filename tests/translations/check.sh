#!/usr/bin/env bash
# The message template and the catalogues keep up with the sources: the template made
# afresh from the sources must hold exactly the texts of po/nestrel.pot, and every
# catalogue named in po/LINGUAS must translate each of them (nothing missing, nothing
# fuzzy) with the same format directives. A text marked for translation in a window
# or the core but left out of the template, or left untranslated, fails here.
# Usage: check.sh SOURCE_FOLDER
set -uo pipefail
src=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL (translations): $*"; exit 1; }
fix="run: cmake --build build --target nestrel-pot nestrel-po-update, then translate"

bash "$src/po/make-pot.sh" "$src" "$work/fresh.pot" 0 || fail "xgettext failed"
[[ $(grep -c '^msgid ' "$work/fresh.pot") -gt 100 ]] || fail "the fresh template is nearly empty"

# Texts in the sources but not in the template, and texts the sources no longer have.
# msgcmp names the line of each text; show the texts themselves.
texts_at() {
  grep -oE "^$2:[0-9]+:" "$1" | cut -d: -f2 | head -n 20 | while read -r line; do
    # The msgid lines above the msgstr line msgcmp points at.
    awk -v n="$line" 'NR < n && /^msgid / { text = "" } NR < n && /^(msgid |")/ { text = text $0 " " } NR == n { print text }' "$2"
  done
}
msgcmp --use-untranslated "$src/po/nestrel.pot" "$work/fresh.pot" >"$work/missing" 2>&1 ||
  fail "po/nestrel.pot lacks texts of the sources ($fix):
$(texts_at "$work/missing" "$work/fresh.pot")"
msgcmp --use-untranslated "$work/fresh.pot" "$src/po/nestrel.pot" >"$work/stale" 2>&1 ||
  fail "po/nestrel.pot holds texts the sources no longer have ($fix):
$(texts_at "$work/stale" "$src/po/nestrel.pot")"

while read -r lang; do
  [[ $lang =~ ^[a-z] ]] || continue
  po=$src/po/$lang.po
  [[ -f $po ]] || fail "po/LINGUAS names $lang but po/$lang.po is missing"
  msgfmt --check --output-file=/dev/null "$po" 2>"$work/msgfmt" || fail "msgfmt rejects po/$lang.po: $(cat "$work/msgfmt")"
  # Without --use-untranslated and --use-fuzzy an untranslated or fuzzy entry counts
  # as missing.
  msgcmp "$po" "$work/fresh.pot" >"$work/cmp" 2>&1 ||
    fail "po/$lang.po does not translate every text ($fix):
$(texts_at "$work/cmp" "$work/fresh.pot")"
  echo "po/$lang.po: $(msgfmt --statistics --output-file=/dev/null "$po" 2>&1)"
done <"$src/po/LINGUAS"
echo "template and catalogues cover the sources"
