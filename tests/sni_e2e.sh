#!/usr/bin/env bash
# End to end under a StatusNotifierItem host: starts a private session bus, a window
# manager and the test host (tests/sni_host.py), then Pelbrix with a fresh settings file.
# The icon registers with the host; minimising hides the main window; the host's
# activation (a left click) brings it back; the host reads the icon's menu over DBusMenu;
# a host that goes while the window is hidden gives the window back, and without a host
# minimising leaves the window on the taskbar; the menu's Exit ends Pelbrix with its
# settings stored.
# Run under an X server of its own: xvfb-run -a tests/sni_e2e.sh path/to/pelbrix
set -uo pipefail

exe=${1:?usage: sni_e2e.sh path/to/pelbrix}
here=$(cd "$(dirname "$0")" && pwd)
name=sni_e2e
source "$here/e2e_lib.sh"
need_display
need_tools openbox xdotool xwininfo xprop dbus-daemon
py=/usr/bin/python3
"$py" -c 'import dbus, gi' 2>/dev/null ||
  { echo "sni_e2e: python3-dbus or python3-gi is missing (tools/setup --test)"; exit 1; }

work=$(mktemp -d)
host=""
fail_logs() {
  [[ -s "$work/out.txt" ]] && sed 's/^/pelbrix: /' "$work/out.txt"
  for log in "$work"/host*.txt; do [[ -s "$log" ]] && sed 's/^/host: /' "$log"; done
}

ask() { "$py" "$here/sni_host.py" call "$@"; }

# A session bus of the test's own, ended by its PID with the rest.
start_bg dbus-daemon --session --nofork --print-address=3 3>"$work/bus.txt" >/dev/null 2>&1
wait_for 5 test -s "$work/bus.txt" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus.txt")
export DBUS_SESSION_BUS_ADDRESS
unset QT_QPA_PLATFORM

start_host() {
  start_bg "$py" "$here/sni_host.py" serve >"$work/host$1.txt" 2>&1
  host=$bg_pid
  wait_for 5 ask Ping >/dev/null 2>&1 || fail "the test host did not come up"
}

start_openbox
start_host 1

start_program_copy
# Iconic: minimised, with its taskbar entry; a hidden window is withdrawn instead.
main_iconic() { xprop -id "$main" WM_STATE 2>/dev/null | grep -q 'Iconic'; }

registered() { [[ -n "$(ask Items 2>/dev/null)" ]]; }
wait_for 10 registered || fail "the icon did not register with the host"
sizes=$(ask IconSizes | tr "\n" " ")
for size in 16x16 22x22 24x24 32x32; do
  [[ " $sizes" == *" $size "* ]] || fail "the icon offers no $size image (it offers: $sizes)"
done
echo "sni_e2e: the icon's images: $sizes"

# The splash screen holds the main window modal for its first seconds.
wait_for 10 window_gone '^Form9$' || fail "the splash screen did not close"
sleep 0.5

minimise() { minimise_until_gone "$main" "$title" "the minimised main window is still shown"; }

minimise
main_iconic && fail "minimising under a host left the window iconic on the taskbar"
kill -0 "$app" 2>/dev/null || fail "Pelbrix ended: $(cat "$work/out.txt")"
ask Activate >/dev/null || fail "the host could not activate the icon"
wait_for 5 main_visible || fail "the host's activation did not bring the main window back"
echo "sni_e2e: registered; minimise hid the window; Activate restored it"

menu=$(ask Menu) || fail "the host could not read the icon's menu"
expected=$'Restore\nConversions\nConversions/Celsius to Kelvin\n-\nExit'
[[ "$menu" == "$expected" ]] || fail "the icon's menu is not as designed: $(echo "$menu" | tr '\n' '|')"
echo "sni_e2e: the menu offers $(paste -sd"|" <<<"$menu")"

# The host goes while the window is hidden: the window comes back.
minimise
kill "$host"
wait "$host" 2>/dev/null
wait_for 5 main_visible || fail "the window stayed hidden after the host went"
# No host now: minimising keeps the taskbar entry.
xdotool windowminimize "$main"
wait_for 5 main_iconic || fail "without a host the minimised window left the taskbar"
sleep 0.5
main_iconic || fail "without a host the minimised window did not stay on the taskbar"
echo "sni_e2e: a host that went gave the window back; without one minimising kept the taskbar entry"

# A host again: the icon registers anew, and its menu's Exit ends the program.
start_host 2
wait_for 10 registered || fail "the icon did not register with the new host"
ask Click Exit >/dev/null || fail "the host could not click Exit"
wait_for 10 ended || fail "Exit did not end Pelbrix"
wait "$app"
status=$?
((status == 0)) || fail "Pelbrix ended with status $status"
grep -qi '^\[Main\]' "$work/pelbrix.INI" 2>/dev/null || fail "no settings were stored"
grep -qi '^LastPage=' "$work/pelbrix.INI" || fail "the main window's settings were not stored"
echo "sni_e2e: the menu's Exit ended Pelbrix with its settings stored"
