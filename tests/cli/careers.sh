#!/usr/bin/env bash
# careers prints the skills table, one career's levels, or the careers matching up to
# three skills; unknown careers or skills and a fourth skill exit 2.
source "$2/tests/cli/fixtures/testlib.bash"

expect_rc 0 "$cli" "${inst[@]}" careers
[[ $(cat "$work/out") == $'Athletic\tCharisma, Body\nBusiness\tCharisma, Logic\nCulinary\tCooking, Creativity' ]] ||
  fail "skills table: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" careers --levels Athletic
[[ $(wc -l <"$work/out") -eq 13 ]] || fail "Athletic levels: $(cat "$work/out")"
[[ $(head -n1 "$work/out") == $'0\tTeam Mascot\t0\t3p-9p\t154' ]] || fail "level 0: $(head -n1 "$work/out")"
[[ $(tail -n1 "$work/out") == $'12\tCoach Aide\t0\t3p-6p\t140' ]] || fail "slot 12: $(tail -n1 "$work/out")"
# A career without the part-time track has only the ten levels.
expect_rc 0 "$cli" "${inst[@]}" careers --levels Business
[[ $(wc -l <"$work/out") -eq 10 ]] || fail "Business levels: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" careers --levels athletic
grep -q 'No career named' "$work/err" || fail "unknown career message: $(cat "$work/err")"

expect_rc 0 "$cli" "${inst[@]}" careers --match charisma,BODY,logic
[[ $(cat "$work/out") == $'Best results (all 3):\nBest 2 of 3:\nAthletic\nBusiness' ]] || fail "match: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" careers --match Cooking
[[ $(cat "$work/out") == $'Best results (all 3):\nBest 2 of 3:' ]] || fail "one skill: $(cat "$work/out")"
expect_rc 2 "$cli" "${inst[@]}" careers --match Cooking,Body,Logic,Charisma
grep -q 'At most three' "$work/err" || fail "fourth skill message: $(cat "$work/err")"
# Blanks around the names are dropped, as --order drops them.
expect_rc 0 "$cli" "${inst[@]}" careers --match " Charisma , Body,	Logic "
[[ $(cat "$work/out") == $'Best results (all 3):\nBest 2 of 3:\nAthletic\nBusiness' ]] || fail "blanks: $(cat "$work/out")"
# A skill named twice is no second skill.
for repeated in Cooking,Cooking Body,logic,BODY "Cooking, cooking"; do
  expect_rc 2 "$cli" "${inst[@]}" careers --match "$repeated"
  grep -q 'is named more than once' "$work/err" || fail "repeated skill $repeated: $(cat "$work/err")"
  [[ ! -s "$work/out" ]] || fail "repeated skill $repeated printed: $(cat "$work/out")"
done
expect_rc 2 "$cli" "${inst[@]}" careers --match Cooking,Juggling
grep -q 'Unknown skill "Juggling"' "$work/err" || fail "unknown skill message: $(cat "$work/err")"

# Without a career file there is nothing to show.
mkdir -p "$work/empty/Data"
printf '[settings]\r\nvers=1.0\r\n' >"$work/empty/Data/SimCareers.ini"
expect_rc 2 "$cli" --inst "$work/empty" careers
grep -q 'No career information available!' "$work/err" || fail "no careers message: $(cat "$work/err")"
