#!/usr/bin/env bash
# The position a close stores, when the close comes right after the start on a busy
# machine (Xvfb and openbox, with two processes spinning on the CPU): the main window is
# closed as soon as it is shown, before or while the window manager frames it, many times.
# Every close must store the corner that was read, never the client area's corner taken
# for the frame's: otherwise the window creeps from run to run.
# Run under an X server of its own: xvfb-run -a tests/close_load_e2e.sh pelbrix x11_window
# CLOSE_LOAD_RUNS (default 40) starts and closes.
set -uo pipefail

exe=${1:?usage: close_load_e2e.sh pelbrix x11_window}
x11_window=${2:?usage: close_load_e2e.sh pelbrix x11_window}
runs=${CLOSE_LOAD_RUNS:-40}
name=close_load_e2e
source "$(dirname "$0")/e2e_lib.sh"
e2e_polls_per_second=50
e2e_poll_interval=0.02
# shellcheck disable=SC2119 # no tools beyond openbox
start_desktop
cp "$exe" "$work/pelbrix"
for _ in 1 2; do start_bg bash -c 'while :; do :; done'; done

# Closes whatever of the program is shown (the splash screen, being modal, first) until it
# has ended.
close_all() {
  local id title
  for title in Form9 'Pelbrix v4.0'; do
    id=$(window_of "$app" "$title")
    [[ -n "$id" ]] && "$x11_window" close "$id" 2>/dev/null
  done
  ended
}

kept=0
for ((run = 1; run <= runs; run++)); do
  # A blank after '=' reads as the number but is never written back: a position left
  # unwritten by the close keeps its blank and fails the check below.
  printf '[Main]\nTop= 40\nLeft= 30\nLastPage=1\n' >"$work/pelbrix.INI"
  start_bg "$work/pelbrix" >"$work/out.txt" 2>&1
  app=$bg_pid
  wait_for 20 shown "$app" 'Pelbrix v4.0' || fail "run $run: no main window: $(cat "$work/out.txt")"
  wait_for 20 close_all || fail "run $run: Pelbrix did not end"
  top=$(sed -n 's/^Top=//p' "$work/pelbrix.INI")
  left=$(sed -n 's/^Left=//p' "$work/pelbrix.INI")
  [[ "$top,$left" == "40,30" ]] || fail "run $run stored Top=$top Left=$left, not 40/30"
  kept=$((kept + 1))
done
echo "close_load_e2e: $kept of $runs closes under load kept Top=40 Left=30"
