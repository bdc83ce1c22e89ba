#!/usr/bin/env bash
# End to end, the real Pelbrix.exe under Wine on an X server of its own (Xvfb) with a window
# manager (openbox): the main window appears with its caption, a Boyle's law calculation
# typed on the keyboard gives its result, the window is moved and the Charles' Law tab
# chosen, the program is closed; Pelbrix.INI then lies beside the .exe with those values,
# the next start comes back there, and neither run printed anything.
# Usage: windows_e2e.sh path/to/Pelbrix.exe   (WINEPATH names the folders of its DLLs)
set -uo pipefail

exe=${1:?usage: windows_e2e.sh path/to/Pelbrix.exe}
name=windows_e2e
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/wine_lib.sh"
need_tools Xvfb openbox xdotool xwininfo xprop xclip

work=$(mktemp -d)
fail_logs() { for f in "$work"/run*.txt; do [[ -s "$f" ]] && sed "s/^/$(basename "$f"): /" "$f"; done; }
trap 'wine_stop; e2e_cleanup' EXIT

start_xvfb
start_openbox
wine_start "$work/wine" || fail "Wine could not set up its prefix"

mkdir "$work/app"
cp "$exe" "$work/app/Pelbrix.exe"
ini="$work/app/Pelbrix.INI"
title='^Pelbrix v4\.0$'

# Starts the copy; sets $app and $main.
start() {
  start_bg "$wine_bin" "$work/app/Pelbrix.exe" >"$work/run$1.txt" 2>&1
  app=$bg_pid
  main_found() { main=$(find_window "$title") && [[ -n "$main" ]]; }
  wait_for 60 main_found || fail "run $1: the main window did not appear"
  # The splash screen holds input while it is shown; it comes with the first activation.
  xdotool windowactivate "$main" 2>/dev/null
  wait_for 5 window_shown '^Form9$'
  wait_for 10 window_gone '^Form9$' || fail "run $1: the splash screen did not go"
  xdotool windowactivate --sync "$main" 2>/dev/null
}
frame_corner() {
  local x y extents fl ft
  x=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $4 }')
  y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $4 }')
  extents=$(xprop -id "$main" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ' ')
  IFS=, read -r fl _ ft _ <<<"$extents"
  echo "$((x - ${fl:-0})) $((y - ${ft:-0}))"
}
setting() { sed -n "/^\[$1\]/,/^\[/ s/^$2=//p" "$ini" | tr -d '\r'; }
close_main() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  wait_for 20 ended || fail "run $1: Pelbrix did not end on Alt+F4"
  wait "$app" 2>/dev/null
  [[ -s "$work/run$1.txt" ]] && fail "run $1 printed on the console"
}

start 1
# Boyle's law, the first page, its first field focused: 3 L at 2 atm taken to 1.5 atm.
xdotool type --delay 50 '3'
xdotool key Tab
xdotool type --delay 50 '2'
xdotool key Tab
xdotool type --delay 50 '1.5'
xdotool key Return
# The result field follows Calculate in the tab order; copy it to the clipboard.
xdotool key Tab Tab ctrl+a ctrl+c
result() { [[ "$(xclip -o -selection clipboard 2>/dev/null)" == "4" ]]; }
wait_for 5 result || fail "Boyle's law gave '$(xclip -o -selection clipboard 2>/dev/null)', not 4"

# Moved by the window manager, as a user's drag moves it.
before=$(frame_corner)
xdotool windowmove "$main" 300 200
moved() { [[ "$(frame_corner)" != "$before" ]]; }
wait_for 5 moved || fail "the window did not move from $before"
sleep 0.5
place=$(frame_corner)
xdotool key ctrl+Tab
close_main 1
[[ -f "$ini" ]] || fail "no Pelbrix.INI beside Pelbrix.exe"
# Windows counts the position from the corner of the window's own frame.
left=$(setting Main Left) top=$(setting Main Top)
((left >= 290 && left <= 310 && top >= 170 && top <= 210)) && [[ "$(setting Main LastPage)" == "1" ]] ||
  fail "Pelbrix.INI holds $(tr '\r\n' '  ' <"$ini") after a move to $place"

start 2
at_place() { [[ "$(frame_corner)" == "$place" ]]; }
wait_for 10 at_place || fail "run 2: the window came back at $(frame_corner), not $place"
close_main 2
[[ "$(setting Main LastPage)" == "1" ]] || fail "run 2: the Charles' Law tab was not kept"
echo "$name: Boyle's law gave 4 under Wine; position 300,200 and the Charles' Law tab came back"
