#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo as installed: desktop-file-validate and
# appstreamcli (without network) must accept them, the metainfo must name the licence,
# the release being built and screenshots that are help pictures of the program.
# Usage: desktop.sh SOURCE_FOLDER BUILD_FOLDER VERSION
set -uo pipefail
src=$(realpath "$1")
build=$(realpath "$2")
version=$3
fail() { echo "FAIL (desktop): $*"; exit 1; }

desktop=$src/resources/desktop/nestrel.desktop
metainfo=$build/packaging/org.quillfern.Nestrel.metainfo.xml
[[ -f $metainfo ]] || fail "no configured metainfo at $metainfo"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejected $metainfo"

grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "metainfo names no GPL-3.0-or-later licence"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
shots=$(grep -o 'https://[^<]*\.png' "$metainfo")
[[ $(wc -l <<<"$shots") -ge 2 ]] || fail "metainfo lists fewer than two screenshots"
while read -r url; do
  [[ -f $src/resources/help/pictures/$(basename "$url") ]] || fail "screenshot $url is not a help picture"
done <<<"$shots"
echo "desktop entry and metainfo valid"
