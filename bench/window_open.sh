#!/usr/bin/env bash
# How long every window takes to open on a large neighborhood, and how long the program
# takes to show its main window. Generates neighborhoods of 10,000 and 100,000 Sims,
# starts the real main window on each (the file loaded as at start-up, the first family
# and Sim selected) and opens every window through its menu command, three times; the
# time runs from the command to the window shown (its first idle moment on screen, its
# pending paint done). Target: each window within 500 ms.
# Then the time from starting the program to its main window mapped on the display,
# with no file and with the 100,000-Sim file as the start-up file; target: the second
# at most 1.5 x the first.
# Everything runs on private virtual displays (scripts/xvfb.sh) in a throwaway folder.
# Usage: bash bench/window_open.sh [build folder] [window name ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build}
shift || true
[[ $build == /* ]] || build=$PWD/$build
tool=$build/bench/gui/window_open
gen=$build/tools/nestrel-gen
program=$build/src/gui/nestrel
for f in "$tool" "$gen" "$program"; do
  [[ -x $f ]] || { echo "missing $f: build first" >&2; exit 2; }
done
out=$(mktemp -d "${TMPDIR:-/tmp}/nestrel-window-open.XXXXXX")
trap 'rm -rf "$out"' EXIT

# An install folder as the program finds it in its working folder, with a HOME of its
# own; $2 becomes the start-up file (Saved/DefaultSims.NBD) when given.
stage() {
  local dir=$out/$1
  mkdir -p "$dir/Data" "$dir/Saved" "$dir/home/.config"
  cp "$root/resources/Data/SimCareers.ini" "$root/resources/Data/defaultNamesList.snf" "$dir/Data/"
  cp -r "$root/resources/res" "$root/resources/help" "$dir/"
  [[ -n ${2:-} ]] && cp "$2" "$dir/Saved/DefaultSims.NBD"
  echo "$dir"
}
in_stage() {
  local dir=$1
  shift
  (cd "$dir" && HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/home/.local/share" \
    XDG_STATE_HOME="$dir/home/.local/state" timeout 900 "$root/scripts/xvfb.sh" "$@")
}

for sims in 10000 100000; do
  "$gen" --sims "$sims" --seed 1 --large-families --many-friends "$out/hood$sims.NBD" >/dev/null
done

for sims in 10000 100000; do
  dir=$(stage "w$sims" "$out/hood$sims.NBD")
  in_stage "$dir" "$tool" windows "$@" >"$out/windows$sims.txt" 2>"$out/windows$sims.err" || {
    echo "window_open failed at $sims Sims:" >&2
    cat "$out/windows$sims.err" >&2
    exit 1
  }
done

empty=$(stage s0)
full=$(stage s100000 "$out/hood100000.NBD")
in_stage "$empty" "$tool" startup "$program" 3 >"$out/start0.txt"
in_stage "$full" "$tool" startup "$program" 3 >"$out/start100000.txt"

echo "Opening each window, command to window shown (ms; median of three, least, most):"
awk '
  FNR == 1 { size = (FILENAME ~ /windows10000[.]txt$/) ? "10k" : "100k" }
  /^loaded/ { printf "  %s: %s\n", size, $0 }
  /^window/ {
    name = $2; if (!(name in seen)) { seen[name] = 1; order[++n] = name }
    t[name, size] = $3; lo[name, size] = $4; hi[name, size] = $5
  }
  END {
    printf "  %-22s %28s %28s\n", "window", "10,000 Sims", "100,000 Sims"
    for (i = 1; i <= n; ++i) {
      w = order[i]; line = sprintf("  %-22s", w); verdict = "met"
      for (s = 1; s <= 2; ++s) {
        size = (s == 1) ? "10k" : "100k"
        if (t[w, size] == "-" || t[w, size] == "") { line = line sprintf(" %28s", "no window"); continue }
        line = line sprintf(" %8.1f (%7.1f-%7.1f)  ", t[w, size], lo[w, size], hi[w, size])
        if (t[w, size] > 500) verdict = "MISSED"
      }
      print line "  (target <= 500) " verdict
    }
  }' "$out/windows10000.txt" "$out/windows100000.txt"
for sims in 10000 100000; do
  grep -h "^window .* - - -" "$out/windows$sims.txt" | sed "s/^window \([^ ]*\) - - - /  not timed at $sims Sims: \1 /" || true
done

echo
echo "Start-up, program start to main window viewable (ms; median of three, least, most):"
awk -v a="$(cat "$out/start0.txt")" -v b="$(cat "$out/start100000.txt")" 'BEGIN {
  split(a, x, " "); split(b, y, " ")
  printf "  no file                 %8.1f (%.1f-%.1f)\n", x[2], x[3], x[4]
  printf "  100,000-Sim start file  %8.1f (%.1f-%.1f)\n", y[2], y[3], y[4]
  r = (x[2] > 0) ? y[2] / x[2] : 0
  printf "  %-58s %7.2f  (target <= 1.5) %s\n", "with the 100,000-Sim file / with no file", r, (r <= 1.5 ? "met" : "MISSED")
}'
