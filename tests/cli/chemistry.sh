#!/usr/bin/env bash
# matches, chemistry and pairs print the rows of the chemistry windows, a tab between
# columns; a life stage the window does not offer is a usage error.
source "$2/tests/cli/fixtures/testlib.bash"

expect_rc 0 "$cli" "${inst[@]}" pairs "$fixtures/small.NBD" --age adult
[[ $(cat "$work/out") == $'Females:\nPark, Ren\u00e9e\nMales:\nMatched Up:\nAnn Lee\tBob Lee\t1' ]] ||
  fail "pairs printed: $(cat -A "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" pairs "$fixtures/small.NBD" --age adult --filter-married
[[ $(tail -n1 "$work/out") == "Matched Up:" ]] || fail "married pair not filtered: $(cat "$work/out")"

# Zed and Pat are married to each other; Sue names Pat, who does not name him back. The
# pair stands and Sue is single, whichever of them the file lists first.
for order in "Sue Zed Pat" "Zed Pat Sue"; do
  body="" i=0
  for first in $order; do
    case $first in
      Sue) gender=1 match="Pat Lee" ;;
      Zed) gender=1 match="Pat Lee" ;;
      Pat) gender=0 match="Zed Lee" ;;
    esac
    body+="Name$i=$first\r\nGender$i=$gender\r\nAge$i=1\r\nStatus$i=1\r\nMatch$i=$match\r\n"
    i=$((i + 1))
  done
  printf "[settings]\r\nCareerVers=1.0\r\n[Lee]\r\nNumMembers=3\r\n$body" >"$work/triangle.NBD"
  expect_rc 0 "$cli" "${inst[@]}" pairs "$work/triangle.NBD" --age adult
  [[ $(cat "$work/out") == $'Females:\nMales:\nLee, Sue\nMatched Up:\nPat Lee\tZed Lee\t1' ]] ||
    fail "pairs with a one-sided link ($order): $(cat -A "$work/out")"
done

# Only a crush between Ann and Bob: both are listed opposite NONE, and only with --married.
expect_rc 0 "$cli" "${inst[@]}" matches "$fixtures/small.NBD" --age adult
[[ -z $(cat "$work/out") ]] || fail "married Sims matched without --married: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" matches "$fixtures/small.NBD" --age adult --married
[[ $(cat "$work/out") == $'Ann Lee\tNONE\t\nNONE\tBob Lee\t' ]] || fail "matches printed: $(cat -A "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" chemistry "$fixtures/small.NBD" --age adult
[[ $(head -n2 "$work/out") == $'Ann Lee\n\t\tBob Lee' ]] || fail "chemistry printed: $(cat -A "$work/out")"

expect_rc 2 "$cli" "${inst[@]}" matches "$fixtures/small.NBD" --age child
expect_rc 2 "$cli" "${inst[@]}" pairs "$fixtures/small.NBD" --age elder
