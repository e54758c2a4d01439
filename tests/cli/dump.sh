#!/usr/bin/env bash
# dump prints every family and member with links by full name, as valid JSON
# even for names that are not UTF-8.
source "$2/tests/cli/fixtures/testlib.bash"

# The whole dump of a small neighborhood: partners both ways, friends in stored
# order, chemistry with types, Sim and typed-in parents, careers from the
# table (a Teen stored as Unemployed at School, level 10), a homeless family,
# a Windows-1252 name.
(cd "$fixtures" && "$cli" --inst inst dump small.NBD) >"$work/out" 2>"$work/err" || fail "dump exited $?"
cmp -s "$work/out" "$fixtures/small.dump.json" ||
  fail "dump differs from small.dump.json: $(diff "$work/out" "$fixtures/small.dump.json" | head -5)"
jq -e . "$work/out" >/dev/null || fail "dump is not JSON"

# Names in any bytes: Windows-1252 and stray bytes still give valid UTF-8
# JSON, with quotes and backslashes escaped.
printf '[settings]\r\nCareerVers=1.0\r\n[M\xfcller]\r\nNumMembers=2\r\nName0=Zo\xeb\r\nGender0=1\r\nName1=A\x81\x22b\\\r\nFriendCount1=1\r\nF10=Zo\xeb M\xfcller\r\n' >"$work/bytes.NBD"
expect_rc 0 "$cli" "${inst[@]}" dump "$work/bytes.NBD"
grep -q '^{"name":"Müller","homeless":false,"friendCount":0,"members":\[{"firstName":"Zoë","fullName":"Zoë Müller",' "$work/out" ||
  fail "Windows-1252 names: $(head -c 300 "$work/out")"
grep -q $'"firstName":"A\xc2\x81\\\\"b\\\\\\\\","fullName":"A\xc2\x81\\\\"b\\\\\\\\ Müller"' "$work/out" ||
  fail "stray bytes and escapes: $(sed -n 2p "$work/out" | head -c 600)"
grep -q '"friends":\["Zoë Müller"\]' "$work/out" || fail "friend with a Windows-1252 name lost"
jq -e . "$work/out" >/dev/null || fail "dump of odd bytes is not JSON"

# A file without a "settings" group reports career version 0.0.
expect_rc 0 "$cli" "${inst[@]}" dump "$fixtures/old.NBD"
grep -q '^{"file":"[^"]*old.NBD","careerVersion":"0.0","families":\[$' "$work/out" || fail "old layout: $(head -1 "$work/out")"
echo "$name: ok"
