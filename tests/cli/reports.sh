#!/usr/bin/env bash
# sim, groups, aspirations and search print what the report windows show; bad
# arguments exit 2 with a message.
source "$2/tests/cli/fixtures/testlib.bash"
small=$fixtures/small.NBD

expect_rc 0 "$cli" "${inst[@]}" sim "$small" "Ann Lee"
expected=$'Name: \tAnn Lee\nSign: \tLeo\nTownie?: \tNo\nGender: \tFemale\nMatch: \tBob Lee'
[[ $(head -n5 "$work/out") == "$expected" ]] || fail "sim card rows: $(head -n5 "$work/out")"
grep -qx 'Career: Athletic' "$work/out" || fail "sim career text: $(cat "$work/out")"
[[ $(tail -n4 "$work/out") == $'Friends: 2\nBob Lee\nCid Park\nTotal: 2' ]] || fail "sim friends: $(tail -n4 "$work/out")"
# A Sim without career text and without partner.
expect_rc 0 "$cli" "${inst[@]}" sim "$small" "Cid Park"
grep -qx $'Match: \tNone' "$work/out" || fail "no partner: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" sim "$small" "Nobody Here"
grep -q 'No Sim named' "$work/err" || fail "unknown Sim message: $(cat "$work/err")"

expect_rc 0 "$cli" "${inst[@]}" groups "$small" --type townie
[[ $(cat "$work/out") == $'Cid Park\tTeen' ]] || fail "townies: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" groups "$small" --type college --by age
[[ $(cat "$work/out") == $'Renée Park\tElder' ]] || fail "college: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" groups "$small" --type ghost
grep -q 'Unknown group' "$work/err" || fail "unknown group message: $(cat "$work/err")"
expect_rc 2 "$cli" "${inst[@]}" groups "$small" --type townie --by size

expect_rc 0 "$cli" "${inst[@]}" aspirations "$small"
[[ $(cat "$work/out") == $'None\t0\nKnowledge\t0\nFamily\t1\nRomance\t0\nPleasure\t0\nMoney\t1\nPopularity\t1' ]] ||
  fail "aspiration summary: $(cat "$work/out")"
# Dot (Knowledge) is a Child and Cid (Romance) a Townie: neither counted nor listed.
expect_rc 0 "$cli" "${inst[@]}" aspirations "$small" --list knowledge
[[ ! -s $work/out ]] || fail "a Child is listed: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" aspirations "$small" --list Family
[[ $(cat "$work/out") == "Ann Lee" ]] || fail "Family aspiration: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" aspirations "$small" --list Greed
grep -q 'Unknown aspiration' "$work/err" || fail "unknown aspiration message: $(cat "$work/err")"

expect_rc 0 "$cli" "${inst[@]}" search "$small" aNN
[[ $(cat "$work/out") == "Ann Lee" ]] || fail "search: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" search "$small" An
[[ $(cat "$work/out") == "No matching Sims found" ]] || fail "prefix search: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" search "$small" ""
expect_rc 2 "$cli" "${inst[@]}" search "$work/missing.NBD" Ann
