#!/usr/bin/env bash
# fuzz/run.sh BUILD_DIR SECONDS: runs every fuzz target for SECONDS, starting
# from its seed corpus in fuzz/corpus/<target>/ when there is one.
set -euo pipefail
build=$1; seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
for src in "$here"/*.cpp; do
  name=$(basename "$src" .cpp)
  work=$(mktemp -d)
  [[ -d "$here/corpus/$name" ]] && cp -r "$here/corpus/$name/." "$work/"
  echo "fuzzing $name for ${seconds}s"
  "$build/fuzz/$name" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$work" 2>&1 | tail -n 5
  rc=${PIPESTATUS[0]}
  rm -rf "$work"
  [[ $rc == 0 ]] || { echo "fuzz target $name failed" >&2; exit 1; }
done
