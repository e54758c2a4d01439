#!/usr/bin/env bash
# check names every fault of a damaged file, one line each, and exits 1; a
# clean file exits 0; an unreadable one exits 2.
source "$2/tests/cli/fixtures/testlib.bash"

expect_rc 0 "$cli" "${inst[@]}" check "$fixtures/small.NBD"
[[ $(wc -l <"$work/out") == 1 ]] && grep -q 'no problems found' "$work/out" || fail "clean file: $(cat "$work/out")"

expect_rc 1 "$cli" "${inst[@]}" check "$fixtures/damaged.NBD"
expected=(
  'family "Kim": the key "Sign0" appears more than once'
  'member 0 "Joy": status 1 without a partner'"'"'s name; loads as Single'
  'member 0 "Joy": friend "Nobody Here" names nobody'
  'member 0 "Joy": FriendCount0=3 but only 2 friend lines'
  'member 0 "Joy": chemistry with "Max Kim" has type 7'
  'member 1 "Max": Sign=5 is not a sign'
  'member 1 "Max": Gender=2 is neither 0 nor 1'
  'member 1 "Max": career 99 is not in the career table'
  'member 2 "Max": a second member with this first name is not read'
  'family "Kim": NumMembers=4 but only 3 members have a name'
  'family "Kim": two families have this name'
  'family "Empty": NumMembers=0, so the family is not read'
  '"Max Kim"'"'"'s partner "Joy Kim" does not have "Max Kim" as partner'
)
for line in "${expected[@]}"; do
  grep -qF -- "$line" "$work/out" || fail "missing: $line"
done
[[ $(wc -l <"$work/out") == "${#expected[@]}" ]] || fail "unexpected extra lines: $(cat "$work/out")"
grep -qv "^$fixtures/damaged.NBD: " "$work/out" && fail "a line does not start with the file name"

# More faults, each alone in a small file.
cases=(
  $'[Lee]\nNumMembers=1\nName0=Ann\nSign0=64\nGender0=0'
  'does not start with a "settings" group'
  $'[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=9\nName0=Ann\nSign0=64\nGender0=0'
  'NumMembers=9 is more than the group'
  $'[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=1\nName0=Ann\nSign0=64\nGender0=0\nFriendCount0=2000000000'
  'FriendCount0=2000000000 is more than the lines of the family'
  $'[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=1\nName0=Ann\nSign0=64\nGender0=0\nMomLiv0=1\nMom0=Eve Gone'
  'the mother "Eve Gone" is marked as a Sim but names nobody'
  $'[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=1\nName0=Ann\nSign0=64\nGender0=0\nFriendCount0=2\nF00=Ann Lee\nF01=Ann Lee'
  '"Ann Lee" is their own friend'
  $'[settings]\nCareerVers=1.0\n[Lee]\nNumMembers=2\nName0=Ann\nSign0=64\nGender0=0\nStatus0=1\nMatch0=Bob Lee\nName1=Bob\nSign1=8\nGender1=1\nStatus1=2\nMatch1=Ann Lee'
  '"Ann Lee" has status 1 but their partner "Bob Lee" has status 2'
)
for ((i = 0; i < ${#cases[@]}; i += 2)); do
  printf '%s\n' "${cases[i]}" >"$work/case.NBD"
  expect_rc 1 "$cli" "${inst[@]}" check "$work/case.NBD"
  grep -qF -- "${cases[i + 1]}" "$work/out" || fail "case $((i / 2)): expected '${cases[i + 1]}', got: $(cat "$work/out")"
done

expect_rc 2 "$cli" "${inst[@]}" check "$work/missing.NBD"
echo "$name: ok"
