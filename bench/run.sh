#!/usr/bin/env bash
# Runs the benchmarks and prints the figures the targets are stated in:
#   load of 100,000 Sims <= 0.5 x the INI parser, <= 6 x the floor;
#   save <= 3 x a plain atomic write of the same bytes;
#   GEDCOM export <= 1 x save of the same neighborhood (both through the safe writer);
#   family tree build, parent links, deepest Sim, set-up rows <= 0.5 x load each;
#   the tidy chart of the deepest Sim <= 0.1 x load;
#   Sim groups, aspiration summary, search and neighborhood figures <= 0.5 x load;
#   chemistry matching, the chemistry report and the matchmaker's lists each <= 0.5 x load;
#   every operation linear: time at 100,000 <= 11 x time at 10,000 (the
#   floors, the INI parser and the plain write are references: their growth
#   is shown, not judged);
#   undo history at 100,000 Sims: recording and undoing a one-Sim step each a few
#   ms at most (<= 0.01 x load), a hundred such steps <= 4 MiB;
#   peak memory loading 100,000 Sims <= 150 MiB (nestrel-cli info, whole process);
#   every window open within 500 ms of its command at 10,000 and 100,000 Sims, and the
#   main window viewable with the 100,000-Sim start-up file within 1.5 x the time
#   without a file (bench/window_open.sh, about a minute and a half; it can be run alone).
# Usage: bash bench/run.sh [build folder] [extra Google Benchmark options]
set -euo pipefail
build=${1:-build}
shift || true
for b in storage_bench social_bench export_bench chemistry_bench reports_bench tree_bench history_bench; do
  [[ -x $build/bench/$b ]] || { echo "missing $build/bench/$b: build first" >&2; exit 2; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Single runs of the 100,000-Sim benchmarks vary by a third or more on a
# shared machine: each benchmark runs three times and the median is used.
for b in storage_bench social_bench export_bench chemistry_bench reports_bench tree_bench history_bench; do
  "$build/bench/$b" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/$b.json" --benchmark_out_format=json "$@" >&2
done

# name real_ms cpu_ms, one line per benchmark: the medians ("/real_time" and
# "_median" dropped); without repetitions, the single runs.
awk '
  /"name":/      { gsub(/[",]/, "", $2); name = $2; keep = (name !~ /_(mean|stddev|cv)$/)
                   sub(/_median$/, "", name); sub(/\/real_time$/, "", name) }
  /"real_time":/ { gsub(/,/, "", $2); real = $2 }
  /"cpu_time":/  { gsub(/,/, "", $2); cpu = $2 }
  /"time_unit":/ { gsub(/[",]/, "", $2); f = ($2 == "ns") ? 1e-6 : ($2 == "us") ? 1e-3 : ($2 == "s") ? 1e3 : 1
                   if (keep) printf "%s %.6f %.6f\n", name, real * f, cpu * f }
' "$out"/*.json >"$out/times"

awk '
  { real[$1] = $2; cpu[$1] = $3; split($1, p, "/"); if (!(p[1] in seen)) { seen[p[1]] = 1; order[++n] = p[1] } }
  function ratio(a, b, t) { return (t[b] > 0) ? t[a] / t[b] : 0 }
  function line(what, r, limit) { printf "  %-58s %7.2f  (target <= %s) %s\n", what, r, limit, (r <= limit ? "met" : "MISSED") }
  END {
    print "\nTimes in ms (real / cpu):"
    for (i = 1; i <= n; ++i) {
      b = order[i]; printf "  %-30s", b
      for (s = 1000; s <= 100000; s *= 10) printf "  %7s: %9.3f / %9.3f", s, real[b "/" s], cpu[b "/" s]
      printf "\n"
    }
    print "\nRatios at 100,000 Sims (cpu time; real time for writes and the export, which wait for the disk):"
    line("load / inih parse", ratio("BM_Load/100000", "BM_InihParse/100000", cpu), 0.5)
    line("load / floor (read + find line ends)", ratio("BM_Load/100000", "BM_FloorReadLines/100000", cpu), 6)
    line("save / plain atomic write of the same bytes", ratio("BM_Save/100000", "BM_PlainWrite/100000", real), 3)
    line("GEDCOM export / save of the same neighborhood", ratio("BM_ExportGedcom/100000", "BM_Save/100000", real), 1)
    if ("BM_TreeBuild/100000" in cpu) {
      print "\nFamily tree at 100,000 Sims against loading the same file (cpu):"
      line("tree build / load", ratio("BM_TreeBuild/100000", "BM_Load/100000", cpu), 0.5)
      line("linking parents / load", ratio("BM_TreeLinkParents/100000", "BM_Load/100000", cpu), 0.5)
      line("deepest Sim / load", ratio("BM_TreeDeepestSim/100000", "BM_Load/100000", cpu), 0.5)
      line("set-up dialog rows and candidates / load", ratio("BM_TreeSetupRows/100000", "BM_Load/100000", cpu), 0.5)
      line("chart layout of the deepest Sim / load", ratio("BM_TreeChartLayout/100000", "BM_Load/100000", cpu), 0.1)
    }
    if ("BM_HistoryRecordStep/100000" in cpu) {
      print "\nUndo history at 100,000 Sims against loading the same file (cpu):"
      printf "  record a one-Sim step %.3f ms, undo it %.3f ms, load %.1f ms\n", cpu["BM_HistoryRecordStep/100000"],
             cpu["BM_HistoryUndoStep/100000"], cpu["BM_Load/100000"]
      line("record a one-Sim step / load", ratio("BM_HistoryRecordStep/100000", "BM_Load/100000", cpu), 0.01)
      line("undo a one-Sim step / load", ratio("BM_HistoryUndoStep/100000", "BM_Load/100000", cpu), 0.01)
    }
    line("Sim groups / load", ratio("BM_SimGroups/100000", "BM_Load/100000", cpu), 0.5)
    line("aspiration summary / load", ratio("BM_AspirationSummary/100000", "BM_Load/100000", cpu), 0.5)
    line("search by first name / load", ratio("BM_SearchByFirstName/100000", "BM_Load/100000", cpu), 0.5)
    line("neighborhood figures / load", ratio("BM_NeighborhoodFigures/100000", "BM_Load/100000", cpu), 0.5)
    line("chemistry matching (adults, all options) / load", ratio("BM_ChemMatching/100000", "BM_Load/100000", cpu), 0.5)
    line("chemistry report lines (adults) / load", ratio("BM_ChemistryReportLines/100000", "BM_Load/100000", cpu), 0.5)
    line("matchmaker lists (adults, elders, townies) / load", ratio("BM_MatchmakerLists/100000", "BM_Load/100000", cpu), 0.5)
    if ("BM_RecordWalkFloor/100000" in cpu) {
      print "\nWalks over the neighborhood against the record-walk floor (cpu; ratio at 10,000 -> at 100,000;"
      print "a walk that grows no faster than the floor keeps its ratio or lowers it):"
      for (i = 1; i <= n; ++i) {
        b = order[i]
        if (b !~ /PossibleFriends|SortAndIndex|RecountAllFamilies|SimGroups|AspirationSummary|SearchByFirstName|NeighborhoodFigures|Chem|Matchmaker|Tree/) continue
        printf "  %-58s %7.1f -> %7.1f\n", b, ratio(b "/10000", "BM_RecordWalkFloor/10000", cpu),
               ratio(b "/100000", "BM_RecordWalkFloor/100000", cpu)
      }
    }
    print "\nLinearity, time at 100,000 / time at 10,000 (cpu; target <= 11; references have no target):"
    for (i = 1; i <= n; ++i) {
      b = order[i]; t = (b ~ /Save|PlainWrite|ExportGedcom/) ? "real" : "cpu"
      r = (t == "real") ? ratio(b "/100000", b "/10000", real) : ratio(b "/100000", b "/10000", cpu)
      if (b ~ /Floor|Inih|PlainWrite/) printf "  %-58s %7.2f  (reference)\n", b " (" t ")", r
      else line(b " (" t ")", r, 11)
    }
  }' "$out/times"

# The memory a hundred one-Sim steps of the undo history hold at 100,000 Sims.
if [[ -f $out/history_bench.json ]]; then
  bytes=$(awk '/"name": "BM_HistoryHundredSteps\/100000_median"/ { f = 1 }
               f && /"history_bytes"/ { gsub(/,/, "", $2); print $2; exit }' "$out/history_bench.json")
  awk -v b="${bytes:-0}" 'BEGIN { m = b / 1048576
    printf "\nUndo history: a hundred one-Sim steps at 100,000 Sims hold %.2f MiB (target <= 4) %s\n", m, (m <= 4 ? "met" : "MISSED") }'
fi

# Whole process: nestrel-cli info on a generated 100,000-Sim file.
gen=$build/tools/nestrel-gen
cli=$build/src/cli/nestrel-cli
if [[ -x $gen && -x $cli && -x /usr/bin/time ]]; then
  "$gen" --sims 100000 --seed 1 --large-families --many-friends "$out/hood.NBD"
  /usr/bin/time -v "$cli" info "$out/hood.NBD" >/dev/null 2>"$out/time.txt"
  rss=$(awk -F: '/Maximum resident/ { print $2 + 0 }' "$out/time.txt")
  echo
  echo "nestrel-cli info, 100,000 Sims ($(stat -c %s "$out/hood.NBD") bytes):"
  grep -E 'Elapsed|User time|System time|Maximum resident' "$out/time.txt" | sed 's/^\s*/  /'
  awk -v kb="$rss" 'BEGIN { m = kb / 1024; printf "  peak memory %.1f MiB (target <= 150) %s\n", m, (m <= 150 ? "met" : "MISSED") }'
else
  echo "nestrel-gen, nestrel-cli or /usr/bin/time missing: whole-process figures skipped" >&2
fi

# Whole process: nestrel-cli dump against info, which only reads, at 10,000 and
# 100,000 Sims (the JSON is written as it goes, never held as one document). CPU
# seconds, the least of three runs, since other work on the machine only adds.
if [[ -x $gen && -x $cli ]]; then
  "$gen" --sims 10000 --seed 1 --large-families --many-friends "$out/hood10k.NBD"
  cpu_seconds() {
    local best="" t
    for _ in 1 2 3; do
      t=$( { TIMEFORMAT='%3U %3S'; time "$cli" "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')
      best=$(awk -v a="$best" -v b="$t" 'BEGIN { print (a == "" || b < a) ? b : a }')
    done
    echo "$best"
  }
  i10=$(cpu_seconds info "$out/hood10k.NBD"); d10=$(cpu_seconds dump "$out/hood10k.NBD")
  i100=$(cpu_seconds info "$out/hood.NBD"); d100=$(cpu_seconds dump "$out/hood.NBD")
  echo
  echo "nestrel-cli dump, whole process (cpu seconds, least of three runs):"
  awk -v i10="$i10" -v d10="$d10" -v i100="$i100" -v d100="$d100" '
    function line(what, r, limit) { printf "  %-58s %7.2f  (target <= %s) %s\n", what, r, limit, (r <= limit ? "met" : "MISSED") }
    BEGIN {
      printf "  info %.3f / dump %.3f at 10,000; info %.3f / dump %.3f at 100,000\n", i10, d10, i100, d100
      line("dump at 100,000 / dump at 10,000", d100 / d10, 11)
      line("dump / info at 100,000", d100 / i100, 2)
    }'
fi

# The groups window filled with 30,000 Townies against the same list control taking
# 30,000 plain rows (a window benchmark: it needs a display, so it runs on a private
# virtual display through scripts/xvfb.sh).
groups_bench=$build/bench/gui/groups_fill_bench
xvfb=$(dirname "$0")/../scripts/xvfb.sh
if [[ -x $groups_bench && -x $xvfb ]]; then
  "$xvfb" "$groups_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/groups.json" --benchmark_out_format=json >/dev/null 2>&1 || true
  echo
  echo "Sim groups window, 30,000 Townies (real ms, median of three):"
  awk '
    /"name":/      { gsub(/[",]/, "", $2); name = $2 }
    /"real_time":/ { gsub(/,/, "", $2); if (name ~ /_median$/) { sub(/_median$/, "", name); sub(/\/real_time$/, "", name); t[name] = $2 } }
    END {
      w = t["BM_GroupsWindowFill"]; p = t["BM_PlainRows"]
      if (w == "" || p == "") { print "  no figures (no display?)"; exit }
      printf "  groups window %.1f / plain rows %.1f\n", w, p
      r = w / p; printf "  %-58s %7.2f  (target <= 2) %s\n", "groups window / plain rows", r, (r <= 2 ? "met" : "MISSED")
    }' "$out/groups.json"
else
  echo "groups_fill_bench or scripts/xvfb.sh missing: the groups window benchmark skipped" >&2
fi

# Every window's opening time and the start-up time, on private virtual displays.
if [[ -x $build/bench/gui/window_open ]]; then
  echo
  bash "$(dirname "$0")/window_open.sh" "$build" || echo "bench/window_open.sh failed" >&2
else
  echo "window_open missing: the window opening times skipped" >&2
fi
