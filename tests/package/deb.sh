#!/usr/bin/env bash
# Builds the Debian package from the build folder (no second build: CPack installs
# what is built), checks its file list and declared dependencies with dpkg-deb, runs
# lintian with every tag shown (nothing may be reported but the overrides kept in
# packaging/), checks the manual pages, and runs the packaged command-line tool from
# an unpacked copy, which must find its data beside itself.
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
         /usr/share/doc/nestrel/copyright /usr/share/doc/nestrel/changelog.gz \
         /usr/share/man/man1/nestrel.1.gz /usr/share/man/man1/nestrel-cli.1.gz \
         /usr/share/lintian/overrides/nestrel \
         /usr/share/locale/de/LC_MESSAGES/nestrel.mo; do
  grep -qx "$f" "$work/files" || fail "missing from the package: $f"
done
if grep -E '_tests$|_bench$|nestrel-gen|nestrel-shots|/include/' "$work/files"; then
  fail "the package holds build-only files"
fi

# lintian with pedantic and informational tags: overridden tags (shown with -I as
# "N:" lines or not at all) are the only ones allowed.
lintian --pedantic -I --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1
rc=$?
cat "$work/lintian"
[[ $rc == 0 ]] || fail "lintian failed (exit $rc)"
if grep -E '^[EWIPX]: ' "$work/lintian"; then
  fail "lintian reported tags without an override"
fi

# The packaged tool, unpacked elsewhere, finds its data and exports the example.
dpkg-deb -x "$deb" "$work/root"
cd "$work" || exit 1
"$work/root/usr/bin/nestrel-cli" --version | grep -q '^nestrel-cli ' || fail "packaged nestrel-cli --version"
"$work/root/usr/bin/nestrel-cli" gedcom "$work/root/usr/share/nestrel/Data/Example.NBD" >"$work/example.ged" 2>"$work/err" ||
  fail "packaged nestrel-cli gedcom: $(cat "$work/err")"
tail -n 1 "$work/example.ged" | grep -qx '0 TRLR' || fail "packaged export incomplete"
# The copyright file is machine-readable and names the licence.
copyright=$work/root/usr/share/doc/nestrel/copyright
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
grep -q '^License: GPL-3+$' "$copyright" || fail "copyright names no GPL-3+ licence"
"$work/root/usr/bin/nestrel-cli" --version | grep -q 'GPL version 3 or later' || fail "nestrel-cli --version names no licence"
"$work/root/usr/bin/nestrel" --version | grep -q 'GPL version 3 or later' || fail "nestrel --version names no licence"

# The manual pages: nestrel-cli's names every subcommand and option its --help-all
# lists, and both render without a warning.
man_cli=$work/root/usr/share/man/man1/nestrel-cli.1.gz
"$work/root/usr/bin/nestrel-cli" --help-all >"$work/help"
subcommands=$(sed -n '/^Subcommands:/,$p' "$work/help" | grep -E '^[a-z][a-z-]*$')
[[ $(wc -w <<<"$subcommands") -ge 10 ]] || fail "too few subcommands in --help-all: $subcommands"
MANWIDTH=200 man -l "$man_cli" 2>"$work/man.err" | col -b >"$work/man.txt"
[[ -s $work/man.err ]] && fail "man reported: $(cat "$work/man.err")"
for sub in $subcommands; do
  grep -Eq "^ *$sub\b" "$work/man.txt" || fail "nestrel-cli(1) lacks the subcommand $sub"
done
for opt in $(grep -oE -- '--[a-z][a-z-]+' "$work/help" | sort -u); do
  grep -q -- "$opt" "$work/man.txt" || fail "nestrel-cli(1) lacks the option $opt"
done
MANWIDTH=200 man -l "$work/root/usr/share/man/man1/nestrel.1.gz" 2>"$work/man.err" | col -b >"$work/man-gui.txt"
[[ -s $work/man.err ]] && fail "man nestrel reported: $(cat "$work/man.err")"
grep -q -- '--version' "$work/man-gui.txt" || fail "nestrel(1) lacks --version"
echo "manual pages list $(wc -w <<<"$subcommands") subcommands"
echo "package checks passed"
