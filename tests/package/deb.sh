#!/usr/bin/env bash
# Builds the Debian package from the build folder (no second build: CPack installs
# what is built), checks its file list and declared dependencies with dpkg-deb, runs
# lintian (no error allowed) and runs the packaged command-line tool from an
# unpacked copy, which must find its data beside itself.
# Usage: deb.sh BUILD_FOLDER
set -uo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL (package): $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack: $(tail -n 20 "$work/cpack.log")"
debs=("$work"/out/nestrel_*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "no single nestrel_*.deb: $(ls "$work/out")"
deb=${debs[0]}
echo "built $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# The control fields.
[[ $(dpkg-deb -f "$deb" Package) == nestrel ]] || fail "package name: $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in 'libwxgtk3\.2-1' 'libwxbase3\.2-1' 'libc6' 'libstdc\+\+6'; do
  grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# The file list: the programs, data, help, desktop entry, icons and metainfo; no
# test or benchmark program.
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/files"
for f in /usr/bin/nestrel /usr/bin/nestrel-cli \
         /usr/share/nestrel/Data/SimCareers.ini /usr/share/nestrel/Data/Example.NBD \
         /usr/share/nestrel/help/Nestrel.hhp /usr/share/nestrel/help/gedcom-export.html \
         /usr/share/applications/nestrel.desktop \
         /usr/share/icons/hicolor/48x48/apps/nestrel.png /usr/share/icons/hicolor/256x256/apps/nestrel.png \
         /usr/share/metainfo/org.quillfern.Nestrel.metainfo.xml \
         /usr/share/doc/nestrel/copyright /usr/share/doc/nestrel/changelog.gz; do
  grep -qx "$f" "$work/files" || fail "missing from the package: $f"
done
if grep -E '_tests$|_bench$|nestrel-gen|nestrel-shots|/include/' "$work/files"; then
  fail "the package holds build-only files"
fi

# lintian: no error (warnings and notes are shown).
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1
rc=$?
cat "$work/lintian"
[[ $rc == 0 ]] || fail "lintian reported errors"

# The packaged tool, unpacked elsewhere, finds its data and exports the example.
dpkg-deb -x "$deb" "$work/root"
cd "$work" || exit 1
"$work/root/usr/bin/nestrel-cli" --version | grep -q '^nestrel-cli ' || fail "packaged nestrel-cli --version"
"$work/root/usr/bin/nestrel-cli" gedcom "$work/root/usr/share/nestrel/Data/Example.NBD" >"$work/example.ged" 2>"$work/err" ||
  fail "packaged nestrel-cli gedcom: $(cat "$work/err")"
tail -n 1 "$work/example.ged" | grep -qx '0 TRLR' || fail "packaged export incomplete"
echo "package checks passed"
