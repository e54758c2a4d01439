#!/usr/bin/env bash
# info prints the neighborhood figures with their shares; unreadable files exit 2.
source "$2/tests/cli/fixtures/testlib.bash"

expect_rc 0 "$cli" "${inst[@]}" info "$fixtures/small.NBD"
expected=$'Name: small.NBD\nNumber of Families: 1\nHomeless Families: 1\nNumber of Sims: 5\nMales: 2 (40.0%)\nFemales: 3 (60.0%)\nChildren/Teens: 2 (40.0%)'
[[ $(cat "$work/out") == "$expected" ]] || fail "info printed: $(cat "$work/out")"
[[ ! -s $work/err ]] || fail "info wrote notices: $(cat "$work/err")"

# A neighborhood with no families: every count 0, no division by zero.
printf '[settings]\r\nCareerVers=1.0\r\n' >"$work/none.NBD"
expect_rc 0 "$cli" "${inst[@]}" info "$work/none.NBD"
grep -qx 'Number of Sims: 0' "$work/out" || fail "empty neighborhood: $(cat "$work/out")"
grep -qx 'Children/Teens: 0 (0.0%)' "$work/out" || fail "empty neighborhood share: $(cat "$work/out")"

# Unreadable inputs: missing file, a folder, an empty file; and a bad --inst.
: >"$work/empty.NBD"
for bad in "$work/missing.NBD" "$work" "$work/empty.NBD"; do
  expect_rc 2 "$cli" "${inst[@]}" info "$bad"
  [[ -s $work/err ]] || fail "no message for unreadable $bad"
  [[ ! -s $work/out ]] || fail "output for unreadable $bad"
done
expect_rc 2 "$cli" --inst "$work/nowhere" info "$fixtures/small.NBD"
grep -q 'career file' "$work/err" || fail "bad --inst message: $(cat "$work/err")"
expect_rc 2 "$cli" info
expect_rc 2 "$cli" info a b

# Without --inst the career data is found from the build tree (no notice).
expect_rc 0 "$cli" info "$fixtures/small.NBD"
[[ ! -s $work/err ]] || fail "default career data not found: $(cat "$work/err")"
echo "$name: ok"
