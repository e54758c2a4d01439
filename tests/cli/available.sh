#!/usr/bin/env bash
# available prints the availability list for an hour in the order asked for; bad hours and keys exit 2.
source "$2/tests/cli/fixtures/testlib.bash"

# Ann and Dot work 9a-3p, Bob 9a-4p; Cid's family is homeless and never listed.
expect_rc 0 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 7
[[ $(cat "$work/out") == $'Lee, Ann\t9a-3p\nLee, Bob\t9a-4p\nLee, Dot\t9a-3p' ]] || fail "at 7: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 10
[[ ! -s "$work/out" ]] || fail "at 10 nobody is free: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 15
[[ $(cat "$work/out") == $'Lee, Ann\t9a-3p\nLee, Dot\t9a-3p' ]] || fail "at 15: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 24 --order "gender,first name"
[[ $(cut -f1 "$work/out" | paste -sd'|') == 'Lee, Ann|Lee, Dot|Lee, Bob' ]] || fail "by gender: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 24 --order Age
[[ $(head -n1 "$work/out") == $'Lee, Dot\t9a-3p' ]] || fail "by age: $(cat "$work/out")"

expect_rc 2 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 6
grep -q '7 to 24' "$work/err" || fail "hour message: $(cat "$work/err")"
expect_rc 2 "$cli" "${inst[@]}" available "$fixtures/small.NBD" --hour 9 --order Availability
grep -q 'Unknown order' "$work/err" || fail "order message: $(cat "$work/err")"
