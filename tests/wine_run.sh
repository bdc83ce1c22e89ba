#!/usr/bin/env bash
# Runs a Windows test program: wine_run.sh WINE PROGRAM ARGS... Now and then Wine ends at
# once with a failure and not a byte written, before the program has run at all (gtest's
# first line never comes). Such a start is made once more, saying so; a program that wrote
# anything keeps its status and its output as they were.
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
status=$?
if [[ $status -ne 0 && ! -s $out && ! -s $err ]]; then
  echo "wine_run.sh: Wine ended with status $status before the program wrote anything; starting it again" >&2
  "$@" >"$out" 2>"$err"
  status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"
