#!/usr/bin/env bash
# End to end, on a real X desktop with a notification area: starts Pelbrix with a fresh
# settings file, finds its icon in the tray, minimises the main window (which hides it,
# taskbar entry included), double-clicks the icon and expects the main window back. Then
# the tray goes while the window is hidden, which gives the window back, and without a
# tray minimising keeps the taskbar entry.
# Run under an X server of its own: xvfb-run -a tests/tray_e2e.sh path/to/pelbrix
set -uo pipefail

exe=${1:?usage: tray_e2e.sh path/to/pelbrix}
name=tray_e2e
source "$(dirname "$0")/e2e_lib.sh"
need_display
need_tools openbox trayer xdotool xwininfo xprop

work=$(mktemp -d)
fail_logs() { [[ -s "$work/out.txt" ]] && sed 's/^/pelbrix: /' "$work/out.txt"; }

# The XEmbed tray, not a StatusNotifierItem host on a session bus.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
unset QT_QPA_PLATFORM

start_openbox

panel_id() { find_window '^panel$'; }
panel_found() { [[ -n "$(panel_id)" ]]; }
# The tray is started again should it not come up.
for attempt in 1 2 3; do
  start_bg trayer --edge bottom --align right --widthtype request --height 24 --SetDockType true \
    --transparent false >"$work/trayer.txt" 2>&1
  tray=$bg_pid
  wait_for 5 panel_found && break
  kill "${pids[-1]}" 2>/dev/null
  ((attempt < 3)) || fail "the tray did not appear: $(cat "$work/trayer.txt")"
done

start_program_copy

# The icon: a window the tray embedded, at least 16 pixels wide.
icon_geometry() {
  local panel
  panel=$(panel_id) || return 1
  [[ -n "$panel" ]] || return 1
  xwininfo -id "$panel" -children 2>/dev/null |
    awk '$1 ~ /^0x/ { split($(NF - 1), size, "x"); if (size[1] + 0 >= 16) { print $NF; exit } }'
}
icon_shown() { [[ -n "$(icon_geometry)" ]]; }
wait_for 10 icon_shown || fail "no icon in the tray"
# "+1257+1001" is the icon's absolute top-left corner; aim at its middle.
read -r ix iy < <(icon_geometry | awk -F+ '{ print $2 + 8, $3 + 8 }')

# Let the splash screen (if any) go and the main window settle before minimising.
sleep 1
wait_for 15 main_visible || fail "the main window is not shown"
minimise_until_gone "$main" "$title" "the minimised main window is still shown"
kill -0 "$app" 2>/dev/null || fail "Pelbrix ended: $(cat "$work/out.txt")"

# A modal window (the splash screen) holds back mouse input until it closes, so the
# double-click is tried again for a while.
restored=0
for _ in $(seq 20); do
  xdotool mousemove "$ix" "$iy" click --repeat 2 --delay 100 1
  if wait_for 1 main_visible; then
    restored=1
    break
  fi
done
((restored)) || fail "a double-click on the icon did not bring the main window back"
state=$(xwininfo -id "$(find_window "$title")" |
  awk '/Map State/ { print $3 }')
[[ "$state" == IsViewable ]] || fail "the main window is not viewable ($state)"

echo "tray_e2e: icon found at $ix,$iy; minimise hid the window; double-click restored it"

# The tray goes while the window is hidden: the window comes back.
sleep 0.5
minimise_until_gone "$main" "$title" "the minimised main window is still shown (second time)"
kill "$tray"
wait "$tray" 2>/dev/null
wait_for 5 main_visible || fail "the window stayed hidden after the tray went"
# Without a tray, minimising keeps the taskbar entry: the window is iconic, not withdrawn.
main_iconic() { xprop -id "$main" WM_STATE 2>/dev/null | grep -q 'Iconic'; }
xdotool windowminimize "$main"
wait_for 5 main_iconic || fail "without a tray the minimised window left the taskbar"
sleep 1
main_iconic || fail "without a tray the minimised window did not stay on the taskbar"
echo "tray_e2e: the tray going gave the window back; without one minimising kept the taskbar entry"
