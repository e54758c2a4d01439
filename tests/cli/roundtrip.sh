#!/usr/bin/env bash
# Generated neighborhoods with large families (over ten members) and Sims with
# over ten friends and chemistry entries read back unchanged after a resave,
# and check finds nothing wrong in them. $3 is nestrel-gen; a fourth argument
# sets the number of Sims (the default keeps the test quick). The shipped
# career data is used: the generator draws from its career numbers 1 to 10.
source "$2/tests/cli/fixtures/testlib.bash"
gen=${3:-}
sims=${4:-5000}
[[ -n $gen && -x $gen ]] || { echo "nestrel-gen not built; skipped"; exit 77; }

mkdir "$work/a" "$work/b"
"$gen" --sims "$sims" --seed 11 --large-families --many-friends "$work/a/hood.NBD" || fail "nestrel-gen exited $?"
"$gen" --sims "$sims" --seed 11 --large-families --many-friends "$work/again.NBD" || fail "nestrel-gen exited $?"
cmp -s "$work/a/hood.NBD" "$work/again.NBD" || fail "the generator is not deterministic"
grep -q '^F[0-9]*_[0-9]*=' "$work/a/hood.NBD" || fail "no friend beyond the tenth in the generated file"
grep -q '^Name1[0-9]=' "$work/a/hood.NBD" || fail "no family over ten members in the generated file"
grep -q '^Homeless=1' "$work/a/hood.NBD" || fail "no homeless family in the generated file"
grep -q '^MomLiv[0-9]*=1' "$work/a/hood.NBD" && grep -q '^Mom[0-9]*=' "$work/a/hood.NBD" || fail "no parents"

expect_rc 0 "$cli" resave "$work/a/hood.NBD" "$work/b/hood.NBD"
(cd "$work/a" && "$cli" dump hood.NBD) >"$work/dump-a" 2>"$work/err" || fail "dump exited $?"
(cd "$work/b" && "$cli" dump hood.NBD) >"$work/dump-b" 2>>"$work/err" || fail "dump of the resaved file exited $?"
cmp -s "$work/dump-a" "$work/dump-b" || fail "dump changed by resave: $(diff "$work/dump-a" "$work/dump-b" | head -c 600)"
cmp -s "$work/a/hood.NBD" "$work/b/hood.NBD" || fail "resave changed the bytes of a file in the program's layout"
[[ $(grep -o '"fullName"' "$work/dump-a" | wc -l) == "$sims" ]] || fail "dump does not hold $sims Sims"

expect_rc 0 "$cli" check "$work/a/hood.NBD"
echo "$name: ok ($sims Sims)"
