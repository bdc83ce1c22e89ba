# Helpers shared by the end-to-end shell tests; sourced, not run. Before sourcing, a test
# sets $name (the prefix of its messages). It sets $work (its scratch folder) itself; the
# exit trap set here ends every process started with start_bg, by its PID, and removes
# $work. A test may define fail_logs to print its logs when it fails.
# shellcheck shell=bash

pids=()
# How wait_for polls: this many tries a second, this far apart.
e2e_polls_per_second=10
e2e_poll_interval=0.1
# At exit the processes get a TERM; then, by default, a KILL 0.2 s later for those still
# there. With e2e_cleanup_wait=1 they are waited for instead.
e2e_cleanup_wait=0

e2e_cleanup() {
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  if ((e2e_cleanup_wait)); then
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  else
    sleep 0.2
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done
  fi
  [[ -n "${work:-}" ]] && rm -rf "$work"
}
trap e2e_cleanup EXIT

# Runs the command in the background and records its PID for the exit trap; the PID is in
# $bg_pid then. Redirections given to start_bg apply to the command.
start_bg() {
  "$@" &
  bg_pid=$!
  pids+=("$bg_pid")
}

fail() {
  echo "$name: FAIL: $*"
  if declare -F fail_logs >/dev/null; then fail_logs; fi
  exit 1
}

need_display() {
  [[ -n "${DISPLAY:-}" ]] || { echo "$name: no DISPLAY (run under xvfb-run)"; exit 1; }
}
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$name: $tool is missing (tools/setup --test)"; exit 1; }
  done
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local tries=$(($1 * e2e_polls_per_second))
  shift
  while ((tries-- > 0)); do
    "$@" && return 0
    sleep "$e2e_poll_interval"
  done
  return 1
}

# Whether the process with PID $1 (default $app) has ended.
ended() { ! kill -0 "${1:-$app}" 2>/dev/null; }

# Starts an X server of the test's own, any further arguments passed to Xvfb, and exports
# its DISPLAY. It never resets: a resetting Xvfb drops a client that connects while its last
# one leaves, as a program started right after a probe of the display does.
start_xvfb() {
  start_bg Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 "$@" \
    3>"$work/display" >/dev/null 2>&1
  wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
  export DISPLAY=:$(cat "$work/display")
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Starts openbox on $DISPLAY, its output in $work/openbox.txt, and waits for it to run.
start_openbox() {
  start_bg openbox >"$work/openbox.txt" 2>&1
  wait_for 10 wm_running || fail "the window manager did not start: $(cat "$work/openbox.txt")"
}

# Readies a desktop for a test of the program's own windows: checks for a display and for
# openbox and the tools named, makes $work unless the test already has, and starts openbox,
# with no session bus and the platform left for Qt to choose.
start_desktop() {
  need_display
  need_tools openbox "$@"
  [[ -n "${work:-}" ]] || work=$(mktemp -d)
  export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
  unset QT_QPA_PLATFORM
  start_openbox
}
# The window titled $2 of the process with PID $1, as the x11_window helper (its path in
# $x11_window) finds it, and whether there is one.
window_of() { "${x11_window:?the test names its x11_window helper}" find "$1" "$2" 2>/dev/null; }
shown() { [[ -n "$(window_of "$1" "$2")" ]]; }

# The first shown window whose title matches the pattern $1, and whether there is one.
find_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
window_shown() { [[ -n "$(find_window "$1")" ]]; }
window_gone() { ! window_shown "$1"; }

# Starts a copy of the program $exe, so its settings file is new and lies in $work, its
# output in $work/out.txt, and waits for its main window: the program's PID is in $app
# then, the window's title pattern in $title and its id in $main.
start_program_copy() {
  cp "${exe:?the test names the program}" "$work/pelbrix"
  start_bg "$work/pelbrix" >"$work/out.txt" 2>&1
  app=$bg_pid
  title='^Pelbrix v4\.0$'
  wait_for 15 main_visible || fail "the main window did not appear"
  # shellcheck disable=SC2034 # read by the tests
  main=$(find_window "$title")
}
main_visible() { window_shown "$title"; }

# Minimises window $1 (up to three times) until no window titled $2 is shown; fails with
# $3 when it stays.
minimise_until_gone() {
  local _
  for _ in 1 2 3; do
    xdotool windowminimize "$1" || fail "could not minimise the main window"
    wait_for 5 window_gone "$2" && return 0
  done
  fail "$3"
}
