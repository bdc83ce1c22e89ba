#!/usr/bin/env bash
# Two copies of Pelbrix save the same settings file at once, on a real X desktop (Xvfb and
# openbox). Copy A closes its options dialog and copy B its main window within a moment;
# the shim of the crash test holds every rename of a save back, so B's save certainly
# begins while A's is between its reading and its rename (the shared time line shows it).
# Each key must end as its last writer left it: A's options and B's main window's keys.
# Run under an X server of its own:
#   xvfb-run -a tests/fault/settings_race.sh pelbrix libsettings_fault_shim.so x11_window
# SETTINGS_RACE_RUNS (default 10) overlapping runs.
set -uo pipefail

name=settings_race
source "$(dirname "$0")/../e2e_lib.sh"
usage="usage: $name.sh pelbrix shim.so x11_window"
exe=${1:?$usage} shim=${2:?$usage} x11_window=${3:?$usage}
runs=${SETTINGS_RACE_RUNS:-10}
start_desktop xdotool xprop

gone() { ! shown "$1" "$2"; }
close_window() {  # pid title
  local id
  id=$(window_of "$1" "$2")
  [[ -n "$id" ]] && "$x11_window" close "$id" 2>/dev/null
}
past_splash() {  # pid: the splash screen shown at the first activation has gone
  wait_for 15 shown "$1" Form9 || fail "no splash screen for $1"
  close_window "$1" Form9
  wait_for 10 gone "$1" Form9 || fail "the splash screen of $1 did not close"
}
open_options() {  # pid
  local main _
  main=$(window_of "$1" 'Pelbrix v4.0')
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$main" >/dev/null 2>&1
    xdotool key --delay 30 alt Right Right Right Return  # File, Edit, Conversions, Options
    wait_for 3 shown "$1" Options && return 0
    xdotool key Escape Escape
  done
  fail "the options dialog of $1 did not open"
}
# The keys each copy's save writes: A's options dialog, B's main window.
options_keys=(ShowTray=1 AniTray=0 AniTrayEn=1 IntEditEn=0 Label1Avail=0 Label2Avail=0
  Label3Avail=0 AniInterval=3)
main_sections=(Main Boyle Charles Combo Ideal)

overlapping=0 lost=0
for ((run = 1; run <= runs; run++)); do
  dir=$(mktemp -d "$work/run.XXXXXX")
  cp "$exe" "$dir/pelbrix"
  printf '; both copies save here\n[Main]\nTop=40\nLeft=30\n[Options]\nShowTray=2\n' >"$dir/pelbrix.INI"
  export LD_PRELOAD=$shim PELBRIX_FAULT_FILE=$dir/pelbrix.INI PELBRIX_FAULT_AT=0
  export PELBRIX_FAULT_DELAY_MS=700 PELBRIX_FAULT_TIMELINE=$dir/timeline.txt
  start_bg "$dir/pelbrix" >"$dir/a.txt" 2>&1
  a=$bg_pid
  start_bg "$dir/pelbrix" >"$dir/b.txt" 2>&1
  b=$bg_pid
  unset LD_PRELOAD
  wait_for 15 shown "$a" 'Pelbrix v4.0' || fail "copy A did not start: $(cat "$dir/a.txt")"
  wait_for 15 shown "$b" 'Pelbrix v4.0' || fail "copy B did not start: $(cat "$dir/b.txt")"
  xdotool windowactivate "$(window_of "$a" 'Pelbrix v4.0')" 2>/dev/null
  past_splash "$a"
  xdotool windowactivate "$(window_of "$b" 'Pelbrix v4.0')" 2>/dev/null
  past_splash "$b"
  open_options "$a"
  # A's options dialog, then B's main window as soon as A's save holds back its rename, so
  # that B's save begins while A's is between its reading and its rename however busy the
  # machine is.
  close_window "$a" Options
  a_asleep() { grep -q "^$a sleep" "$dir/timeline.txt" 2>/dev/null; }
  wait_for 10 a_asleep || fail "copy A's save did not begin: $(cat "$dir/timeline.txt")"
  close_window "$b" 'Pelbrix v4.0'
  wait_for 20 ended "$b" || fail "copy B did not end after its main window was closed"
  # B's save waited for A's, or (unlocked) raced it: either way A's has begun; let it end.
  a_renamed() { grep -q "^$a rename" "$dir/timeline.txt"; }
  wait_for 10 a_renamed || fail "copy A's options were not saved: $(cat "$dir/timeline.txt")"
  sleep 0.5
  kill -9 "$a" 2>/dev/null
  wait "$a" 2>/dev/null
  # Overlapping: B's save began while A's waited to rename.
  if awk -v a="$a" -v b="$b" '$1 == a && $2 == "sleep" { asleep = 1 }
      $1 == a && $2 == "rename" { asleep = 0 }
      $1 == b && $2 == "save" && asleep { found = 1 } END { exit !found }' "$dir/timeline.txt"; then
    overlapping=$((overlapping + 1))
  fi
  missing=()
  for key in "${options_keys[@]}"; do
    grep -qx "$key" "$dir/pelbrix.INI" || missing+=("Options/$key")
  done
  for section in "${main_sections[@]}"; do
    grep -qx "\[$section\]" "$dir/pelbrix.INI" || missing+=("[$section]")
  done
  grep -qx 'LastPage=0' "$dir/pelbrix.INI" || missing+=(Main/LastPage)
  grep -qx '; both copies save here' "$dir/pelbrix.INI" || missing+=("the comment")
  if ((${#missing[@]})); then
    lost=$((lost + ${#missing[@]}))
    echo "run $run lost ${missing[*]}; the file:"
    cat "$dir/pelbrix.INI"
  fi
  [[ -z "$(find "$dir" -maxdepth 1 -name 'pelbrix.INI.*')" ]] ||
    fail "run $run left $(find "$dir" -maxdepth 1 -name 'pelbrix.INI.*')"
  rm -rf "$dir"
done
((overlapping == runs)) || fail "only $overlapping of $runs runs overlapped"
((lost == 0)) && echo "settings_race: $runs overlapping runs, no key lost" ||
  fail "$lost keys lost in $runs overlapping runs"
