#!/usr/bin/env bash
# End to end on a Wayland compositor with XWayland: sway on its headless backend, run
# as nobody with a private 0700 XDG_RUNTIME_DIR. sway's window tree tells which way
# each client came ("shell": "xwayland" or "xdg_shell") and with which app id. Checks:
# with WAYLAND_DISPLAY and DISPLAY set Pelbrix runs on XWayland; with Wayland alone it
# runs natively, as the launcher's app id, and a close there keeps the stored position
# while storing the rest; a platform the user chose is left alone.
# Usage: wayland_e2e.sh path/to/pelbrix
set -uo pipefail

exe=${1:?usage: wayland_e2e.sh path/to/pelbrix}
name=wayland_e2e
source "$(dirname "$0")/e2e_lib.sh"
e2e_cleanup_wait=1
need_tools sway swaymsg Xwayland setpriv python3
[[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ||
  -n "$(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null)" ]] ||
  { echo "$name: Qt's Wayland plugin is missing (qt6-wayland; tools/setup --test)"; exit 1; }

# sway will not run as root; the other user needs a world-readable scratch folder.
as=()
if [[ $(id -u) -eq 0 ]]; then
  as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  # XWayland's sockets go where every X server's do.
  mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
fi
work=$(mktemp -d)
chmod 755 "$work"
mkdir -m 700 "$work/run"
mkdir "$work/home" "$work/app"
cp "$exe" "$work/app/pelbrix"
[[ $(id -u) -eq 0 ]] && chown nobody:nogroup "$work/run" "$work/home" "$work/app" "$work/app/pelbrix"

fail_logs() {
  for f in "$work"/*.txt; do [[ -s "$f" ]] && sed "s/^/$(basename "$f"): /" "$f" | tail -n 20; done
}

base_env=(env -i HOME="$work/home" XDG_RUNTIME_DIR="$work/run" PATH=/usr/bin:/bin
  DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent)
# The compositor writes its clients' environment (WAYLAND_DISPLAY, DISPLAY, SWAYSOCK).
cat >"$work/sway.conf" <<EOF
xwayland enable
exec env > $work/home/session
EOF
start_bg "${as[@]}" "${base_env[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$work/sway.conf" >"$work/sway.txt" 2>&1
wait_for 15 grep -q '^SWAYSOCK=' "$work/home/session" 2>/dev/null || fail "sway did not start"
session() { sed -n "s/^$1=//p" "$work/home/session"; }
wayland=$(session WAYLAND_DISPLAY)
x11=$(session DISPLAY)
sock=$(session SWAYSOCK)
[[ -n "$wayland" && -n "$x11" ]] || fail "sway offers no WAYLAND_DISPLAY or no XWayland DISPLAY"
tree() { "${as[@]}" "${base_env[@]}" SWAYSOCK="$sock" swaymsg -r -t get_tree; }
swaymsg_() { "${as[@]}" "${base_env[@]}" SWAYSOCK="$sock" swaymsg "$@" >/dev/null; }

# The windows of the client with pid $1 in sway's tree, one "shell app_id class title"
# line each ("-" for what a window lacks).
windows_of() {
  tree | python3 -c '
import json, sys
pid = int(sys.argv[1])
def walk(node):
    if node.get("pid") == pid:
        props = node.get("window_properties") or {}
        print(node.get("shell") or "-", node.get("app_id") or "-", props.get("class") or "-",
              node.get("name") or "-")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$1"
}

# Runs Pelbrix with the given extra environment; sets $app.
start() {
  start_bg "${as[@]}" "${base_env[@]}" "$@" "$work/app/pelbrix" >"$work/pelbrix.txt" 2>&1
  app=$bg_pid
  main_up() { [[ $(windows_of "$app") == *'Pelbrix v4.0'* ]]; }
  wait_for 20 main_up || fail "the main window did not appear ($*): $(windows_of "$app")"
}
# Closes the main window as a user would once the splash screen has gone (a close asked
# while the modal splash screen is up is refused), and waits for Pelbrix to end.
close_main() {
  only_main() { [[ $(windows_of "$app" | wc -l) -eq 1 ]]; }
  wait_for 10 only_main || fail "the splash screen did not go: $(windows_of "$app")"
  for _ in 1 2 3 4 5; do
    swaymsg_ "[pid=$app title=\"^Pelbrix v4.0\$\"] kill"
    wait_for 3 ended && break
  done
  ended || fail "Pelbrix did not end when its window was closed"
  wait "$app" 2>/dev/null
}

# Both displays, no platform chosen: XWayland, with the X window class "Pelbrix".
start WAYLAND_DISPLAY="$wayland" DISPLAY="$x11"
read -r shell _ cls _ < <(windows_of "$app" | grep 'Pelbrix v4\.0$')
[[ "$shell" == xwayland && "$cls" == Pelbrix ]] ||
  fail "with DISPLAY set Pelbrix did not run on XWayland: $shell $cls"
close_main
echo "$name: WAYLAND_DISPLAY and DISPLAY: XWayland (class Pelbrix)"

# Wayland alone: native, with the launcher's app id; the stored position survives.
printf '[Main]\nTop=123\nLeft=234\nLastPage=2\n' >"$work/app/pelbrix.INI"
[[ $(id -u) -eq 0 ]] && chown nobody:nogroup "$work/app/pelbrix.INI"
start WAYLAND_DISPLAY="$wayland"
read -r shell appid _ < <(windows_of "$app" | grep 'Pelbrix v4\.0$')
[[ "$shell" == xdg_shell && "$appid" == io.github.pelbrix.Pelbrix ]] ||
  fail "with Wayland alone Pelbrix did not run natively as io.github.pelbrix.Pelbrix: $shell $appid"
close_main
ini=$(cat "$work/app/pelbrix.INI")
grep -qx 'Top=123' <<<"$ini" && grep -qx 'Left=234' <<<"$ini" ||
  fail "the stored position was overwritten on native Wayland:"$'\n'"$ini"
grep -qx 'LastPage=2' <<<"$ini" && grep -qx '\[Combo\]' <<<"$ini" ||
  fail "the close on native Wayland did not store the rest:"$'\n'"$ini"
echo "$name: WAYLAND_DISPLAY alone: native (app id io.github.pelbrix.Pelbrix); Top=123 Left=234 kept"

# The user's own choice of platform stands, DISPLAY or not.
start WAYLAND_DISPLAY="$wayland" DISPLAY="$x11" QT_QPA_PLATFORM=wayland
read -r shell _ < <(windows_of "$app" | grep 'Pelbrix v4\.0$')
[[ "$shell" == xdg_shell ]] || fail "QT_QPA_PLATFORM=wayland was not honoured: $shell"
close_main
echo "$name: QT_QPA_PLATFORM=wayland with DISPLAY set: native, as chosen"
