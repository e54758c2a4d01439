#!/usr/bin/env bash
# Runs a command on its own virtual X display and stops the display afterwards.
# Xvfb picks a free display number itself (-displayfd), so parallel runs never clash.
# Usage: scripts/xvfb.sh COMMAND [ARGS...]
set -uo pipefail
dir=$(mktemp -d "${TMPDIR:-/tmp}/nestrel-xvfb.XXXXXX")
trap 'rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xvfb=$!
# Up to a minute: on a machine busy with parallel builds and tests Xvfb can take
# many seconds to come up, and a slow start is not a failure of the test.
for _ in $(seq 1 1200); do
  [[ -s "$dir/display" ]] && break
  if ! kill -0 "$xvfb" 2>/dev/null; then
    echo "xvfb.sh: Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
  fi
  sleep 0.05
done
if [[ ! -s "$dir/display" ]]; then
  echo "xvfb.sh: Xvfb gave no display number" >&2
  kill "$xvfb" 2>/dev/null
  exit 1
fi
export DISPLAY=":$(head -n1 "$dir/display")"
export NO_AT_BRIDGE=1
"$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
exit $rc
