#!/usr/bin/env bash
# End to end, an installed copy used by an ordinary user: `cmake --install` into a
# scratch prefix that only root can write, with an administrator's settings file beside
# the binary, then Pelbrix run twice as `nobody` (scratch HOME) on an X server of its
# own (Xvfb) with a window manager (openbox). Expected: no message box in either run;
# the first run starts from the administrator's file; the window comes back where it
# was left and on the tab it was left on; nothing is written beside the executable.
# Usage: installed_e2e.sh BUILD_DIR   (as root: it installs and switches user)
set -uo pipefail

build=${1:?usage: installed_e2e.sh BUILD_DIR}
name=installed_e2e
source "$(dirname "$0")/e2e_lib.sh"
e2e_cleanup_wait=1
# 77: ctest reports the test as skipped, not passed.
[[ $(id -u) -eq 0 ]] || { echo "$name: skipped: needs root to install and to run as nobody"; exit 77; }
need_tools Xvfb openbox xdotool xwininfo xprop setpriv

work=$(mktemp -d)
chmod 755 "$work"
fail_logs() { for f in "$work"/run*.txt; do [[ -s "$f" ]] && sed "s/^/$(basename "$f"): /" "$f"; done; }

prefix="$work/prefix"
(umask 022 && cmake --install "$build" --prefix "$prefix" >/dev/null) || fail "cmake --install failed"
exe="$prefix/bin/pelbrix"
# What an administrator left: their defaults for every user, owned by root.
printf '%s\n' '[Main]' 'Top=200' 'Left=300' 'LastPage=2' '[Combo]' 'Volume=0' 'Pressure=1' \
  'Temperature=0' '[BoyleTrend]' 'LastPage=1' >"$prefix/bin/pelbrix.INI"
chmod 644 "$prefix/bin/pelbrix.INI"
before=$(cd "$prefix/bin" && ls -la --time-style=full-iso && md5sum pelbrix.INI)
home="$work/home"
mkdir "$home"
chown nobody:nogroup "$home"
setpriv --reuid=nobody --regid=nogroup --clear-groups test -r "$exe" -a ! -w "$prefix/bin" ||
  fail "nobody should read the install but not write its folder"

# An X server of its own, open to the other user; then the window manager.
start_xvfb -ac
start_bg openbox >"$work/openbox.log" 2>&1
wait_for 10 wm_running || fail "openbox did not start"

# Starts the installed copy as nobody; sets $app and $main (its main window).
start() {
  start_bg setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$exe" >"$work/run$1.txt" 2>&1
  app=$bg_pid
  main_found() { main=$(find_window '^Pelbrix v4\.0$') && [[ -n "$main" ]]; }
  wait_for 15 main_found || fail "run $1: the main window did not appear"
  # The splash screen holds input while it is shown (two seconds, 3.5 on some Saturdays).
  # It comes at the main window's first activation and goes on its timer.
  wait_for 4 window_shown '^Form9$'
  wait_for 10 window_gone '^Form9$' || fail "run $1: the splash screen did not go: $(for w in $(xdotool search --pid "$app"); do echo "$w:$(xdotool getwindowname "$w"):$(xwininfo -id "$w" | awk '/Map State/ { print $3 }')"; done)"
}
# A message box of Pelbrix's is a window titled "Pelbrix" (the X server is ours alone).
no_message_box() {
  local box
  box=$(find_window '^Pelbrix$')
  [[ -z "$box" ]] || fail "run $1: a message box is shown: $(xwininfo -id "$box" | grep -E "geometry|Map State"; xprop -id "$box" WM_CLASS WM_WINDOW_ROLE _NET_WM_WINDOW_TYPE WM_TRANSIENT_FOR)"
}
# The outer frame's top-left corner, as "left top".
frame_corner() {
  local x y extents
  x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $4 }')
  y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')
  extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  IFS=, read -r fl _ ft _ <<<"$extents"
  echo "$((x - ${fl:-0})) $((y - ${ft:-0}))"
}
# Whether the frame's corner is at "$1 $2" yet: a window manager on a busy machine frames
# the window a moment after it is mapped. The corner read is left in $seen.
corner_is() {
  seen=$(frame_corner)
  [[ "$seen" == "$1 $2" ]]
}
close_main() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  if ! wait_for 10 ended; then
    no_message_box "$1"
    fail "run $1: Pelbrix did not end on closing its main window"
  fi
  wait "$app" 2>/dev/null
}
setting() { sed -n "/^\[$1\]/,/^\[/ s/^$2=//p" "$3"; }
own="$home/.config/pelbrix/pelbrix.INI"

# Run 1: the administrator's defaults apply; the user moves the window and goes to
# the "Ideal Gas Law" tab (Ctrl+Tab from "Combined Gas Law"), then closes it.
start 1
no_message_box 1
wait_for 5 corner_is 300 200 || fail "run 1 did not start at the administrator's 300,200 but at $seen"
xdotool windowmove --sync "$main" 140 90 >/dev/null 2>&1 || xdotool windowmove "$main" 140 90
sleep 0.5
read -r left top < <(frame_corner)
# Unmoved, the position stored would be the administrator's copied file, whatever the close did.
[[ "$left $top" != "300 200" ]] || fail "run 1: the window did not move from 300,200"
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool key --clearmodifiers ctrl+Tab
sleep 0.3
no_message_box 1
close_main 1
[[ -f "$own" ]] || fail "run 1 left no settings file in $home/.config/pelbrix"
[[ $(stat -c %U "$own") == nobody ]] || fail "the settings file is not the user's"
[[ $(setting Main Top "$own") == "$top" && $(setting Main Left "$own") == "$left" ]] ||
  fail "run 1 stored $(setting Main Left "$own"),$(setting Main Top "$own"), not $left,$top"
[[ $(setting Main LastPage "$own") == 3 ]] || fail "run 1 stored LastPage=$(setting Main LastPage "$own"), not 3"
[[ $(setting Combo Pressure "$own") == 1 ]] || fail "run 1 lost the administrator's Combo mode"
# A window the user never opened keeps the administrator's choice too.
[[ $(setting BoyleTrend LastPage "$own") == 1 ]] || fail "run 1 lost the administrator's BoyleTrend page"

# Run 2: back where it was left, on the tab it was left on (a close without changes
# stores the same page again), and still no message box.
start 2
no_message_box 2
wait_for 5 corner_is "$left" "$top" || fail "run 2 came back at $seen, not $left $top"
close_main 2
[[ $(setting Main LastPage "$own") == 3 ]] || fail "run 2 was not on the Ideal Gas Law tab"

after=$(cd "$prefix/bin" && ls -la --time-style=full-iso && md5sum pelbrix.INI)
[[ "$before" == "$after" ]] || fail "something changed beside the executable:"$'\n'"$before"$'\n--\n'"$after"
echo "$name: two runs as nobody on Xvfb+openbox: no message box; administrator's defaults" \
  "read; window back at $left,$top on tab 3; settings in ~/.config/pelbrix; install untouched"
