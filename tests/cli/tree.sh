#!/usr/bin/env bash
# tree prints the ancestor chart (typed-in parent, a cycle, one Sim as both parents) and
# writes it as SVG; family-data and homeless print what their dialogs show.
source "$2/tests/cli/fixtures/testlib.bash"

expected=$'Kid Lee\n  Mother: Mom Lee\n    Mother: Gran Lee\n      Mother: Kid Lee (repeat)\n    Father: Gran Lee(d)\n  Father: Dad Lee\n    Mother: Nora(d)'
expect_rc 0 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" "Kid Lee" --svg "$work/chart.svg"
[[ $(cat "$work/out") == "$expected" ]] || fail "chart: $(cat "$work/out")"
grep -q '<svg ' "$work/chart.svg" || fail "no SVG written"
xmllint --noout "$work/chart.svg" || fail "the SVG is not well-formed XML"
rsvg-convert -o "$work/chart.png" "$work/chart.svg" || fail "the SVG does not render"

# The deepest Sim: every Sim on the mother cycle counts its three links; Kid comes first.
expect_rc 0 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" --deepest
[[ $(head -n1 "$work/out") == "Kid Lee" ]] || fail "deepest root: $(head -n1 "$work/out")"

expect_rc 2 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" "Nobody Here"
grep -q 'No Sim named' "$work/err" || fail "unknown Sim message: $(cat "$work/err")"
expect_rc 2 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD"

expect_rc 0 "$cli" "${inst[@]}" family-data "$fixtures/tree.NBD"
expected=$'Al Abe\nKid Lee\n\tmother:Mom Lee\n\tfather:Dad Lee\nMom Lee\n\tmother:Gran Lee\n\tfather:Gran Lee\nDad Lee\n\tmother:Nora\nGran Lee\n\tmother:Kid Lee\nPat Park\nPam Park'
[[ $(cat "$work/out") == "$expected" ]] || fail "family data: $(cat "$work/out")"

expect_rc 0 "$cli" "${inst[@]}" homeless "$fixtures/tree.NBD"
[[ $(cat "$work/out") == $'Park\t2\tPat, Pam' ]] || fail "homeless: $(cat "$work/out")"
