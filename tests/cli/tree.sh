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

# The descendant chart: children through either parent, in the list's order, a cycle
# back to a Sim on the way marked as a repeat, and a Sim without children alone.
expect_rc 0 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" "Dad Lee" --descendants --svg "$work/down.svg" --png "$work/down.png"
expected=$'Dad Lee\n  Child: Kid Lee\n    Child: Gran Lee\n      Child: Mom Lee\n        Child: Kid Lee (repeat)'
[[ $(cat "$work/out") == "$expected" ]] || fail "descendants: $(cat "$work/out")"
grep -q '>Dad</text>' "$work/down.svg" || fail "no Dad in the descendant SVG"
file "$work/down.png" | grep -q 'PNG image data' || fail "no PNG written: $(file "$work/down.png")"
expect_rc 0 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" "Al Abe" --descendants
[[ $(cat "$work/out") == "Al Abe" ]] || fail "a Sim without children: $(cat "$work/out")"
expect_rc 0 "$cli" "${inst[@]}" tree "$fixtures/tree.NBD" "Gran Lee" --descendants
expected=$'Gran Lee\n  Child: Mom Lee\n    Child: Kid Lee\n      Child: Gran Lee (repeat)'
[[ $(cat "$work/out") == "$expected" ]] || fail "descendants through the mother only: $(cat "$work/out")"

# The example's chart of Lily Hartwell: no two name boxes overlap, and the picture is at
# most 1.3 times as wide as its widest generation's names side by side with the gap.
example=$src/resources/Data/Example.NBD
expect_rc 0 "$cli" "${inst[@]}" tree "$example" "Lily Hartwell" --svg "$work/lily.svg" --png "$work/lily.png"
awk '
  /<svg / { match($0, /width="[0-9]+"/); width = substr($0, RSTART + 7, RLENGTH - 8) + 0 }
  /<rect / && !/x="0" y="0"/ {
    match($0, /x="-?[0-9]+"/); x = substr($0, RSTART + 3, RLENGTH - 4) + 0
    match($0, / y="-?[0-9]+"/); y = substr($0, RSTART + 4, RLENGTH - 5) + 0
    match($0, /width="[0-9]+"/); w = substr($0, RSTART + 7, RLENGTH - 8) + 0
    match($0, /height="[0-9]+"/); h = substr($0, RSTART + 8, RLENGTH - 9) + 0
    n++; X[n] = x; Y[n] = y; W[n] = w; H[n] = h; row[y] += w; count[y]++
  }
  END {
    if (n < 10) { print "only " n " names"; exit 1 }
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
      if (X[i] < X[j] + W[j] && X[j] < X[i] + W[i] && Y[i] < Y[j] + H[j] && Y[j] < Y[i] + H[i]) { print "overlap " i " " j; bad = 1 }
    for (y in row) { g = row[y] + (count[y] - 1) * 16; if (g > widest) widest = g }
    if (width - 40 > widest * 1.3) { print "width " width " against widest generation " widest; bad = 1 }
    exit bad
  }' "$work/lily.svg" >"$work/check" || fail "Lily Hartwell's chart: $(cat "$work/check")"
file "$work/lily.png" | grep -q 'PNG image data' || fail "no PNG of Lily Hartwell's chart"
