#!/usr/bin/env bash
# First names and family names stored in different encodings (ASCII, UTF-8,
# Windows-1252, in every combination) are each decoded on their own: dump shows
# every full name right, and a resave keeps every name's bytes.
source "$2/tests/cli/fixtures/testlib.bash"

firsts=('Ann' $'Zo\xc3\xab' $'In\xe9s')            # ASCII, UTF-8, Windows-1252
families=('Lee' $'Gr\xc3\xb6\xc3\x9f' $'Mu\xf1oz')   # ASCII, UTF-8, Windows-1252
shown_firsts=('Ann' 'Zoë' 'Inés')
shown_families=('Lee' 'Größ' 'Muñoz')

{
  printf '[settings]\r\nCareerVers=1.0\r\n'
  for family in "${families[@]}"; do
    printf '[%s]\r\nNumMembers=3\r\n' "$family"
    for m in 0 1 2; do printf 'Name%d=%s\r\nGender%d=1\r\n' "$m" "${firsts[$m]}" "$m"; done
  done
  # Ann Lee's friend is named with a UTF-8 first name and a Windows-1252 family name.
  printf '[Extra]\r\nNumMembers=1\r\nName0=Kim\r\nFriendCount0=1\r\nF00=%s %s\r\n' "${firsts[1]}" "${families[2]}"
} >"$work/mixed.NBD"

expect_rc 0 "$cli" "${inst[@]}" dump "$work/mixed.NBD"
for f in 0 1 2; do
  for m in 0 1 2; do
    want="\"fullName\":\"${shown_firsts[$m]} ${shown_families[$f]}\""
    grep -qF "$want" "$work/out" || fail "missing $want in $(head -c 400 "$work/out")"
  done
done
grep -qF '"friends":["Zoë Muñoz"]' "$work/out" || fail "friend by a mixed-encoding full name: $(tail -2 "$work/out")"
if grep -qF 'Ã' "$work/out"; then fail "UTF-8 bytes read as Windows-1252: $(grep -F 'Ã' "$work/out" | head -c 300)"; fi

# Resaving changes no name's bytes: the stored names and the friend reference come
# back as they were, and the writer's own layout is stable.
expect_rc 0 "$cli" "${inst[@]}" resave "$work/mixed.NBD" "$work/a.NBD"
expect_rc 0 "$cli" "${inst[@]}" resave "$work/a.NBD" "$work/b.NBD"
cmp -s "$work/a.NBD" "$work/b.NBD" || fail "a second resave changed the file"
for f in 0 1 2; do
  grep -qaF "[${families[$f]}]" "$work/a.NBD" || fail "family name bytes changed: ${shown_families[$f]}"
  for m in 0 1 2; do
    grep -qaF "Name$m=${firsts[$m]}"$'\r' "$work/a.NBD" || fail "first name bytes changed: ${shown_firsts[$m]}"
  done
done
grep -qaF "=${firsts[1]} ${families[2]}"$'\r' "$work/a.NBD" || fail "friend reference bytes changed"
echo "$name: ok"
