#!/usr/bin/env bash
# End to end on a real X desktop whose window manager comes late. Pelbrix starts with a
# stored position while no window manager runs; openbox starts a while later and frames the
# main window then. The frame's corner must land on the stored corner and the close must store
# exactly what was read, so the window does not creep from run to run.
# On the way, the keyboard and a modal dialog meet the window manager: the first field has
# the focus, so Return on the empty first page opens Error #1; its hints offer no minimise or
# maximise and a fixed size; minimised anyway, it comes back when the main window is
# activated, and the application takes input again.
# Run under an X server of its own: xvfb-run -a tests/frame_e2e.sh path/to/pelbrix
set -uo pipefail

exe=${1:?usage: frame_e2e.sh path/to/pelbrix}
name=frame_e2e
source "$(dirname "$0")/e2e_lib.sh"
need_display
need_tools openbox xdotool xwininfo xprop

work=$(mktemp -d)
fail_logs() { [[ -s "$work/out.txt" ]] && sed 's/^/pelbrix: /' "$work/out.txt"; }

export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
unset QT_QPA_PLATFORM

# The outermost window below the root that holds $1: the window manager's frame, or the
# window itself while it is not framed.
root=$(xwininfo -root | awk '/Window id:/ { print $4; exit }')
outer_window() {
  local w=$1 parent hops=0
  while ((hops++ < 10)); do
    parent=$(xwininfo -id "$w" -tree 2>/dev/null | awk '/Parent window id:/ { print $4 }')
    [[ -n "$parent" && "$parent" != 0x0 ]] || return 1
    ((parent == root)) && { echo "$w"; return 0; }
    w=$parent
  done
  return 1
}
corner_of() {
  xwininfo -id "$1" 2>/dev/null |
    awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 } END { print x "," y }'
}

cp "$exe" "$work/pelbrix"
# A blank after '=' reads as the number but is never written back, so the stored position
# checked at the end is the one the close wrote, not the one left standing.
printf '[Main]\nTop= 200\nLeft= 300\nLastPage=0\n' >"$work/pelbrix.INI"
start_bg "$work/pelbrix" >"$work/out.txt" 2>&1
app=$bg_pid

title='^Pelbrix v4\.0$'
wait_for 15 window_shown "$title" || fail "the main window did not appear"
main=$(find_window "$title")
# No window manager yet: the client area stands at the stored corner.
[[ "$(corner_of "$main")" == "300,200" ]] || fail "unframed window at $(corner_of "$main"), not 300,200"

# Later than the program ever used to wait for its frame.
sleep 2
start_openbox
framed() { [[ "$(outer_window "$main")" != "$main" ]]; }
wait_for 10 framed || fail "the window manager did not frame the main window"
frame=$(outer_window "$main")
frame_at_corner() { [[ "$(corner_of "$frame")" == "300,200" ]]; }
wait_for 10 frame_at_corner ||
  fail "the frame stands at $(corner_of "$frame") (client $(corner_of "$main")), not 300,200"

# The first activation shows the splash screen, which closes on its own.
xdotool windowactivate "$main" 2>/dev/null
wait_for 4 window_shown '^Form9$'
wait_for 10 window_gone '^Form9$' || fail "the splash screen did not close"
xdotool windowactivate "$main" 2>/dev/null
main_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$main" ]]; }
wait_for 5 main_active || fail "the main window could not be activated"

# Return in the first field presses the page's Calculate: all fields are empty.
error='^Error #1 - Not Enough Data Input$'
xdotool key Return
wait_for 5 window_shown "$error" || fail "Return did not calculate (no Error #1)"
dialog=$(find_window "$error")

# _MOTIF_WM_HINTS: flags, functions, decorations. Functions: 1 all (inverts the rest),
# 8 minimise, 16 maximise.
read -r -a hints < <(xprop -id "$dialog" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
((${#hints[@]} >= 3)) || fail "Error #1 carries no window manager hints"
functions=$((hints[1]))
((hints[0] & 1)) || fail "Error #1's hints do not restrict its functions (${hints[*]})"
((functions & 25)) && fail "Error #1's hints allow minimising or maximising (${hints[*]})"
normal=$(xprop -id "$dialog" WM_NORMAL_HINTS)
min=$(sed -n 's/.*minimum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$normal")
max=$(sed -n 's/.*maximum size: \([0-9]* by [0-9]*\).*/\1/p' <<<"$normal")
[[ -n "$min" && "$min" == "$max" ]] || fail "Error #1 is not of a fixed size: $normal"
read -r -a hints < <(xprop -id "$main" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
((hints[1] & 16)) && fail "the main window's hints allow maximising (${hints[*]})"

# A window manager minimises the modal dialog anyway (the spy sees it become iconic). It
# focuses the main window then, or the user activates it; either way the dialog comes back.
# A request to minimise reaches only a window the window manager already manages (has framed).
dialog_framed() { [[ "$(outer_window "$dialog")" != "$dialog" ]]; }
wait_for 5 dialog_framed || fail "the window manager did not frame Error #1"
start_bg xprop -spy -id "$dialog" WM_STATE >"$work/wm_state.txt" 2>&1
# The spy prints the state it starts with; the dialog may come back before a late spy looks.
spying() { grep -q 'window state:' "$work/wm_state.txt"; }
wait_for 5 spying || fail "could not watch Error #1's window state"
iconified() { grep -q 'window state: Iconic' "$work/wm_state.txt"; }
# A busy window manager may drop the request while it is still settling the new dialog;
# it is asked again, as a user would click again.
for _ in 1 2 3; do
  xdotool windowminimize "$dialog"
  wait_for 5 iconified && break
done
iconified || fail "the window manager did not minimise Error #1"
xdotool windowactivate "$main" 2>/dev/null
back() { window_shown "$error" && xprop -id "$dialog" WM_STATE | grep -q 'window state: Normal'; }
wait_for 5 back || fail "Error #1 stayed minimised when the main window was activated"
dialog_active() { [[ "$(xdotool getactivewindow 2>/dev/null)" == "$dialog" ]]; }
xdotool windowactivate "$dialog" 2>/dev/null
wait_for 5 dialog_active || fail "Error #1 could not be activated again"
xdotool key Return
wait_for 5 window_gone "$error" || fail "Return did not close Error #1"

# The close stores the frame's corner: exactly what was read.
xdotool windowactivate "$main" 2>/dev/null
wait_for 5 main_active || fail "the main window could not be activated to close it"
xdotool key alt+F4
wait_for 10 ended || fail "Pelbrix did not end on Alt+F4"
grep -qx 'Top=200' "$work/pelbrix.INI" && grep -qx 'Left=300' "$work/pelbrix.INI" ||
  fail "the close did not store the position read: $(tr '\n' ' ' <"$work/pelbrix.INI")"

echo "frame_e2e: framed late at 300,200 and stored 300,200; Return opened Error #1, which came back from minimised"
