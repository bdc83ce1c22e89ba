#!/bin/sh
# Started with no display, the program says so in one line on stderr and exits non-zero.
exe="$1"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" 2>&1)
rc=$?
lines=$(printf '%s\n' "$out" | wc -l)
echo "exit=$rc lines=$lines: $out"
[ "$rc" -ne 0 ] && [ "$lines" -eq 1 ] && printf '%s' "$out" | grep -q 'no graphical display'
