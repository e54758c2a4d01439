#!/usr/bin/env bash
# gedcom writes the neighborhood for genealogy programs: the same bytes to a
# file or to stdout, every time, lines within the format's length, read back by
# an independent reader (the Perl Gedcom module) without an error and with every
# person and parent link; the neighborhood file is left as it was.
source "$2/tests/cli/fixtures/testlib.bash"
example=$src/resources/Data/Example.NBD

cp "$example" "$work/hood.NBD"
before=$(sha256sum <"$work/hood.NBD")
expect_rc 0 "$cli" gedcom "$work/hood.NBD" -o "$work/a.ged"
[[ ! -s $work/out ]] || fail "-o also wrote to stdout"
expect_rc 0 "$cli" gedcom "$work/hood.NBD"
cmp -s "$work/out" "$work/a.ged" || fail "stdout and -o differ"
[[ $(sha256sum <"$work/hood.NBD") == "$before" ]] || fail "the neighborhood file changed"
expect_rc 0 "$cli" gedcom "$work/hood.NBD" -o "$work/b.ged"
cmp -s "$work/a.ged" "$work/b.ged" || fail "two exports differ"

head -n 1 "$work/a.ged" | grep -qx '0 HEAD' || fail "no header first"
tail -n 1 "$work/a.ged" | grep -qx '0 TRLR' || fail "no trailer last"
long=$(awk 'length($0) > 255' "$work/a.ged" | head -n 3)
[[ -z $long ]] || fail "lines longer than 255: $long"

# The independent reader.
perl -MGedcom -e 1 2>/dev/null || fail "the Perl Gedcom module (libgedcom-perl) is not installed"
expect_rc 0 "$cli" dump "$work/hood.NBD"
cp "$work/out" "$work/dump.json"
perl "$src/tests/cli/gedcom_reader.pl" "$work/a.ged" "$work/dump.json" >"$work/reader" 2>&1 ||
  fail "$(head -c 2000 "$work/reader")"
grep -q '^persons: [1-9]' "$work/reader" || fail "reader: $(cat "$work/reader")"

# Failures are reported and leave no file.
expect_rc 2 "$cli" gedcom "$work/missing.NBD"
[[ -s $work/err ]] || fail "no message for a missing file"
expect_rc 2 "$cli" gedcom "$work/hood.NBD" -o "$work/nowhere/x.ged"
grep -q 'cannot write' "$work/err" || fail "unwritable target: $(cat "$work/err")"
[[ ! -e $work/nowhere ]] || fail "a folder was made"
exit 0
