#!/usr/bin/env bash
# A file older than the career file is renumbered only with
# --renumber-careers; the question and notices go to stderr.
source "$2/tests/cli/fixtures/testlib.bash"

codes() { grep -o '"careerCode":[-0-9]*,"careerName":"[^"]*","level":[0-9]*' "$work/out" | tr '\n' ' '; }

expect_rc 0 "$cli" "${inst[@]}" dump "$fixtures/old.NBD"
grep -q 'Update Required: Your saved Sim file is out of date' "$work/err" || fail "no question: $(cat "$work/err")"
grep -q 'Answered No' "$work/err" || fail "answer not shown"
[[ $(codes) == '"careerCode":3,"careerName":"","level":2 "careerCode":11,"careerName":"","level":0 "careerCode":10,"careerName":"","level":0 ' ]] ||
  fail "renumbered without the flag: $(codes)"
grep -q 'Update Required' "$work/out" && fail "question on stdout"

expect_rc 0 "$cli" "${inst[@]}" --renumber-careers dump "$fixtures/old.NBD"
grep -q 'Answered Yes' "$work/err" || fail "Yes not shown: $(cat "$work/err")"
[[ $(codes) == '"careerCode":4,"careerName":"Culinary","level":2 "careerCode":-2,"careerName":"Unemployed","level":0 "careerCode":-1,"careerName":"School","level":0 ' ]] ||
  fail "legacy codes not renumbered: $(codes)"

# Renumbered and saved: the file carries the new version and is not renumbered again.
expect_rc 0 "$cli" "${inst[@]}" --renumber-careers resave "$fixtures/old.NBD" "$work/new.NBD"
expect_rc 0 "$cli" "${inst[@]}" --renumber-careers dump "$work/new.NBD"
[[ ! -s $work/err ]] || fail "question asked again: $(cat "$work/err")"
[[ $(codes) == '"careerCode":4,"careerName":"Culinary","level":2 "careerCode":-2,"careerName":"Unemployed","level":0 "careerCode":-1,"careerName":"School","level":0 ' ]] ||
  fail "renumbered twice: $(codes)"

# A file newer than the career file: a notice, never a renumbering.
sed 's/^CareerVers=1.0/CareerVers=1.5/' "$fixtures/small.NBD" >"$work/newer.NBD"
expect_rc 0 "$cli" "${inst[@]}" --renumber-careers dump "$work/newer.NBD"
grep -q 'NEWER than the Career file version' "$work/err" || fail "no newer-file notice: $(cat "$work/err")"
grep -q '"careerCode":1,"careerName":"Athletic"' "$work/out" || fail "newer file renumbered"
echo "$name: ok"
