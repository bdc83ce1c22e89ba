#!/usr/bin/env bash
# Crash test of the settings file, on a real X desktop (Xvfb and openbox). Pelbrix runs
# with an LD_PRELOAD shim that kills it right before the N-th call into the C library
# touching the settings file (or a temporary file beside it, or its folder), for each N
# of the options dialog's close pass and of the main window's. After every kill the file
# must be byte for byte the one before that pass or the one after it, never a mix; and
# after the next start and close no temporary file may be left beside it.
# Run under an X server of its own:
#   xvfb-run -a tests/fault/settings_crash.sh pelbrix libsettings_fault_shim.so x11_window
# SETTINGS_CRASH_MAX_RUNS (default 30) caps the kills; beyond it the N's are sampled
# evenly, always keeping the first and the last call of each pass.
set -uo pipefail

name=settings_crash
source "$(dirname "$0")/../e2e_lib.sh"
# Polled finer than the other tests: twenty tries a second.
e2e_polls_per_second=20
e2e_poll_interval=0.05
usage="usage: $name.sh pelbrix shim.so x11_window"
exe=${1:?$usage} shim=${2:?$usage} x11_window=${3:?$usage}
max_runs=${SETTINGS_CRASH_MAX_RUNS:-30}
# Beside the build, so the program can be hard-linked: its settings file follows the
# name it was started under.
work=$(mktemp -d "$(dirname "$exe")/settings-crash.XXXXXX")
start_desktop xdotool xprop

# A file edited by hand: both passes change lines, add keys and sections, and must keep
# the comment and the unknown section.
cat >"$work/old.INI" <<'EOF'
; kept by hand
[Main]
Top=40
Left=30
LastPage=2
[Boyle]
Volume=0
[Extra]
Note=kept
[Options]
ShowTray=2
AniInterval=3
EOF

gone() { ! kill -0 "$1" 2>/dev/null || ! shown "$1" "$2"; }
dead() { ! kill -0 "$1" 2>/dev/null; }
close_window() {  # pid title: asks the window to close, as its close box does
  local id
  id=$(window_of "$1" "$2")
  [[ -n "$id" ]] && "$x11_window" close "$id" 2>/dev/null
  wait_for 10 gone "$1" "$2"
}

# One start in folder $1: closes the splash screen, with $2 = options also opens the
# options dialog from the menu bar and closes it, then closes the main window. Returns
# when the program has ended (killed or not); fails when it hangs.
session() {
  local dir=$1 options=$2 app
  start_bg "$dir/pelbrix" >"$dir/out.txt" 2>&1
  app=$bg_pid
  disown "$app"  # a kill is what this test is for; the shell need not announce it
  # The splash screen shows when the main window is first activated, once all windows
  # (and so all of start-up's reads) are done.
  wait_for 15 shown "$app" Form9 || dead "$app" ||
    fail "no splash screen in $dir: $(cat "$dir/out.txt")"
  close_window "$app" Form9
  if [[ $options == options ]] && ! dead "$app"; then
    local main
    main=$(window_of "$app" 'Pelbrix v4.0')
    for _ in 1 2 3; do
      [[ -n "$main" ]] && xdotool windowactivate --sync "$main" >/dev/null 2>&1
      # The menu bar from the keyboard: File, Edit, Conversions, Options.
      xdotool key --delay 30 alt Right Right Right Return
      wait_for 3 shown "$app" Options && break
      dead "$app" && break
      xdotool key Escape Escape
    done
    dead "$app" || shown "$app" Options || fail "the options dialog did not open"
    close_window "$app" Options || fail "the options dialog did not close"
  fi
  if ! dead "$app"; then
    close_window "$app" 'Pelbrix v4.0'
    wait_for 10 dead "$app" || fail "Pelbrix did not end after its main window was closed"
  fi
}

new_folder() {
  local dir
  dir=$(mktemp -d "$work/run.XXXXXX")
  ln "$exe" "$dir/pelbrix" 2>/dev/null || cp "$exe" "$dir/pelbrix"
  cp "$work/old.INI" "$dir/pelbrix.INI"
  echo "$dir"
}

temporaries() { find "$1" -maxdepth 1 -name 'pelbrix.INI.??????' | sort; }

# The trace: one run that counts without killing. Each save begins with a look at the
# file (lstat), each start-up read with an open; so the calls from the first lstat on
# are the options dialog's pass, and from the second on the main window's.
trace_dir=$(new_folder)
export LD_PRELOAD=$shim
export PELBRIX_FAULT_FILE=$trace_dir/pelbrix.INI PELBRIX_FAULT_LOG=$trace_dir/calls.txt
export PELBRIX_FAULT_AT=0
session "$trace_dir" options
unset PELBRIX_FAULT_LOG
cp "$trace_dir/pelbrix.INI" "$work/after-main.INI"
mapfile -t saves < <(grep -E "^[0-9]+ lstat $trace_dir/pelbrix.INI\$" "$trace_dir/calls.txt" | cut -d' ' -f1)
((${#saves[@]} == 2)) || fail "the trace found ${#saves[@]} saves, not 2: $(cat "$trace_dir/calls.txt")"
first_options=${saves[0]} last_options=$((saves[1] - 1))
first_main=${saves[1]} last_main=$(wc -l <"$trace_dir/calls.txt")
# The file between the two passes: a run killed right before the main window's first call.
between_dir=$(new_folder)
export PELBRIX_FAULT_FILE=$between_dir/pelbrix.INI PELBRIX_FAULT_AT=$first_main
session "$between_dir" options
cp "$between_dir/pelbrix.INI" "$work/after-options.INI"
cmp -s "$work/old.INI" "$work/after-options.INI" && fail "the options pass changed nothing"
cmp -s "$work/after-options.INI" "$work/after-main.INI" && fail "the main window's pass changed nothing"
[[ -z "$(temporaries "$trace_dir")" ]] || fail "a save without a kill left a temporary file"

# The N's: every call of both passes, or an even sample of them with both ends of each.
pick() {  # first last share
  local first=$1 last=$2 share=$3 count=$(($2 - $1 + 1)) i
  if ((count <= share)); then
    seq "$first" "$last"
    return
  fi
  for ((i = 0; i < share; i++)); do echo $((first + i * (count - 1) / (share - 1))); done | uniq
}
options_count=$((last_options - first_options + 1))
main_count=$((last_main - first_main + 1))
total=$((options_count + main_count))
if ((total <= max_runs)); then
  plan=$( (seq "$first_options" "$last_options"; seq "$first_main" "$last_main"))
else
  share=$((max_runs * options_count / total))
  ((share < 2)) && share=2
  plan=$( (pick "$first_options" "$last_options" "$share"
           pick "$first_main" "$last_main" $((max_runs - share))))
fi

# The main window stores where it stands, and the window manager does not always put it
# in the same place (a frame corrected or not); a file whose only difference from the new
# one is the value of Main's Top and Left is the new one of that run. A torn save cannot
# look like that: it would miss keys that come after them.
position_free() {
  awk '/^\[/ { main = ($0 == "[Main]") }
       main && /^(Top|Left)=/ { sub(/=.*/, "=*") }
       { print }' "$1"
}

runs=0 torn=0 orphans_seen=0 moved=0
start=$SECONDS
for n in $plan; do
  dir=$(new_folder)
  export PELBRIX_FAULT_FILE=$dir/pelbrix.INI PELBRIX_FAULT_AT=$n
  export LD_PRELOAD=$shim
  session "$dir" options
  unset LD_PRELOAD
  if ((n <= last_options)); then
    before=$work/old.INI after=$work/after-options.INI
  else
    before=$work/after-options.INI after=$work/after-main.INI
  fi
  if cmp -s "$dir/pelbrix.INI" "$before" || cmp -s "$dir/pelbrix.INI" "$after"; then
    :
  elif ((n > last_options)) && cmp -s <(position_free "$dir/pelbrix.INI") <(position_free "$after"); then
    moved=$((moved + 1))
  else
    echo "--- killed before call $n ($(grep -m1 "^$n " "$trace_dir/calls.txt")); the file"
    echo "differs from the one before the pass as follows:"
    diff "$before" "$dir/pelbrix.INI"
    echo "and from the one after it:"
    diff "$after" "$dir/pelbrix.INI"
    torn=$((torn + 1))
  fi
  [[ -n "$(temporaries "$dir")" ]] && orphans_seen=$((orphans_seen + 1))
  # The next start and close of the same file removes what the kill left behind.
  session "$dir" plain
  left=$(temporaries "$dir")
  [[ -z "$left" ]] || fail "after the kill before call $n and a new start, still there: $left"
  runs=$((runs + 1))
  rm -rf "$dir"
done
((torn == 0)) || fail "$torn of $runs kills left a file that is neither the old one nor the new"
echo "settings_crash: $runs kills (options pass calls $first_options-$last_options," \
  "main window's $first_main-$last_main), each file old or new; $orphans_seen left a" \
  "temporary file, removed by the next start; $moved with the window placed elsewhere;" \
  "$((SECONDS - start)) s"
