#!/bin/sh
# Started with no display, or with one that does not answer, the program says so in one line
# on stderr (naming the display it tried) and exits non-zero.
exe="$1"
check() {
  out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$exe" 2>&1)
  rc=$?
  lines=$(printf '%s\n' "$out" | wc -l)
  echo "exit=$rc lines=$lines: $out"
  [ "$rc" -ne 0 ] && [ "$lines" -eq 1 ] && printf '%s' "$out" | grep -q "$expected"
}
expected='no graphical display' check -u DISPLAY &&
  expected='the display :999 does not answer' check DISPLAY=:999
