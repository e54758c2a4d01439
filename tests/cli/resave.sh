#!/usr/bin/env bash
# resave writes the program's own layout (a file in that layout comes back
# byte for byte; dump agrees before and after) and never leaves a half file.
source "$2/tests/cli/fixtures/testlib.bash"

mkdir "$work/a" "$work/b"
for f in small old damaged; do
  cp "$fixtures/$f.NBD" "$work/a/x.NBD"
  expect_rc 0 "$cli" "${inst[@]}" resave "$work/a/x.NBD" "$work/b/x.NBD"
  (cd "$work/a" && "$cli" "${inst[@]}" dump x.NBD) >"$work/dump-a" 2>/dev/null || fail "dump of $f exited $?"
  (cd "$work/b" && "$cli" "${inst[@]}" dump x.NBD) >"$work/dump-b" 2>/dev/null || fail "dump of resaved $f exited $?"
  # Families and Sims must agree; the first line holds the career version,
  # which an older file gains on saving (checked below).
  cmp -s <(tail -n +2 "$work/dump-a") <(tail -n +2 "$work/dump-b") ||
    fail "$f: dump changed by resave: $(diff "$work/dump-a" "$work/dump-b" | head -4)"
done
# small.NBD is in the writer's own layout: resaving changes no byte.
expect_rc 0 "$cli" "${inst[@]}" resave "$fixtures/small.NBD" "$work/small.NBD"
cmp -s "$fixtures/small.NBD" "$work/small.NBD" || fail "small.NBD not written back byte for byte"
# The older layout gains the "settings" group with the running career version.
expect_rc 0 "$cli" "${inst[@]}" resave "$fixtures/old.NBD" "$work/old.NBD"
[[ $(head -2 "$work/old.NBD") == $'[settings]\r\nCareerVers=1.0\r' ]] || fail "old layout: $(head -2 "$work/old.NBD" | od -c | head -3)"
# The output path is taken as given: no folder or extension is added.
expect_rc 0 "$cli" "${inst[@]}" resave "$fixtures/small.NBD" "$work/plain"
[[ -f $work/plain ]] || fail "output name was changed"

# Failures: an output folder that does not exist, an input without
# families. The old output stays untouched and no temporary file is left.
expect_rc 2 "$cli" "${inst[@]}" resave "$fixtures/small.NBD" "$work/nowhere/x.NBD"
printf 'keep' >"$work/keep.NBD"
printf '[settings]\r\nCareerVers=1.0\r\n' >"$work/none.NBD"
expect_rc 2 "$cli" "${inst[@]}" resave "$work/none.NBD" "$work/keep.NBD"
[[ $(cat "$work/keep.NBD") == keep ]] || fail "output overwritten after a failed resave"
expect_rc 2 "$cli" "${inst[@]}" resave "$work/missing.NBD" "$work/keep.NBD"
[[ $(cat "$work/keep.NBD") == keep ]] || fail "output overwritten after a failed read"
left=$(find "$work" -name '*.tmp*' | head -1)
[[ -z $left ]] || fail "temporary file left: $left"
echo "$name: ok"
