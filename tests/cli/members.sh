#!/usr/bin/env bash
# members prints a family's member list as the family dialog shows it; an unknown family exits 2.
source "$2/tests/cli/fixtures/testlib.bash"

expect_rc 0 "$cli" "${inst[@]}" members "$fixtures/small.NBD" Lee
[[ $(wc -l <"$work/out") -eq 3 ]] || fail "members printed: $(cat "$work/out")"
[[ $(head -n1 "$work/out") == $'Ann Lee\tAdult\tBob Lee' ]] || fail "first row: $(head -n1 "$work/out")"

expect_rc 2 "$cli" "${inst[@]}" members "$fixtures/small.NBD" lee
grep -q 'No family named' "$work/err" || fail "unknown family message: $(cat "$work/err")"
