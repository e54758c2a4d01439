#!/usr/bin/env bash
# Names printed for people: a Windows-1252 family holding a UTF-8 first name, a
# Windows-1252 one and a typed-in Windows-1252 parent. Every command prints UTF-8 with
# each stored name decoded on its own, and a family or Sim named in UTF-8 on the
# command line is found although the file stores it in Windows-1252.
source "$2/tests/cli/fixtures/testlib.bash"

family=$'Mu\xf1oz'                         # Windows-1252
{
  printf '[settings]\r\nCareerVers=1.0\r\n'
  printf '[%s]\r\nNumMembers=3\r\nHomeless=1\r\n' "$family"
  printf 'Name0=Zo\xc3\xab\r\nSign0=64\r\nGender0=0\r\nAge0=1\r\n'          # UTF-8
  printf 'FriendCount0=1\r\nF00=Zo\xc3\xab %s\r\n' "$family"                  # her own friend
  printf 'Name1=In\xe9s\r\nSign1=64\r\nGender1=0\r\nAge1=3\r\n'               # Windows-1252
  printf 'MomLiv1=1\r\nMom1=Zo\xc3\xab %s\r\nDadLiv1=0\r\nDad1=Jos\xe9 %s\r\n' "$family" "$family"
  printf 'Name2=Ann\r\nSign2=64\r\nGender2=1\r\nAge2=1\r\n'
  printf 'FriendCount2=1\r\nF20=In\xe9s %s\r\n' "$family"
} >"$work/names.NBD"

# utf8_out WHAT: fails unless the last command's output is valid UTF-8.
utf8_out() { iconv -f UTF-8 -t UTF-8 "$work/out" >/dev/null 2>&1 || fail "$1 is not UTF-8: $(od -c "$work/out" | head -5)"; }

expect_rc 0 "$cli" "${inst[@]}" homeless "$work/names.NBD"
utf8_out homeless
[[ $(cat "$work/out") == $'Muñoz\t3\tZoë, Inés, Ann' ]] || fail "homeless: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" family-data "$work/names.NBD"
utf8_out family-data
[[ $(cat "$work/out") == $'Zoë Muñoz\nInés Muñoz\n\tmother:Zoë Muñoz\n\tfather:José Muñoz\nAnn Muñoz' ]] ||
  fail "family data: $(cat "$work/out")"

# Named in UTF-8, stored in Windows-1252.
expect_rc 0 "$cli" "${inst[@]}" members "$work/names.NBD" 'Muñoz'
utf8_out members
[[ $(cut -f1 "$work/out") == $'Zoë Muñoz\nInés Muñoz\nAnn Muñoz' ]] || fail "members: $(cat "$work/out")"
# The stored bytes themselves still find it.
expect_rc 0 "$cli" "${inst[@]}" members "$work/names.NBD" "$family"
expect_rc 2 "$cli" "${inst[@]}" members "$work/names.NBD" 'Munoz'
grep -q 'No family named' "$work/err" || fail "unknown family message: $(cat "$work/err")"

expect_rc 0 "$cli" "${inst[@]}" tree "$work/names.NBD" 'Inés Muñoz'
utf8_out tree
[[ $(cat "$work/out") == $'Inés Muñoz\n  Mother: Zoë Muñoz\n  Father: José Muñoz(d)' ]] || fail "tree: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" sim "$work/names.NBD" 'Ann Muñoz'
utf8_out sim
grep -qx 'Inés Muñoz' "$work/out" || fail "sim friend list: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" sim "$work/names.NBD" 'Ann Munoz'

expect_rc 1 "$cli" "${inst[@]}" check "$work/names.NBD"
utf8_out check
grep -qF '"Zoë Muñoz" is their own friend' "$work/out" || fail "check: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" search "$work/names.NBD" 'inés'
[[ $(cat "$work/out") == 'Inés Muñoz' ]] || fail "search: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" dump "$work/names.NBD"
utf8_out dump
echo "$name: ok"
