#!/usr/bin/env bash
# The tool answers --help and --version and refuses unknown arguments with exit 2.
set -u
cli=$1
fail() { echo "FAIL: $*"; exit 1; }
out=$("$cli" --version) || fail "--version exited $?"
[[ $out == "nestrel-cli "* ]] || fail "--version printed '$out'"
out=$("$cli" --help) || fail "--help exited $?"
[[ $out == *"Usage"* ]] || fail "--help printed no usage"
"$cli" --no-such-option >/dev/null 2>&1; rc=$?
[[ $rc == 2 ]] || fail "unknown option exited $rc, expected 2"
echo "help_version: ok"
