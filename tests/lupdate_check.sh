#!/usr/bin/env bash
# Every visible text can be extracted for translation: lupdate reads the program's sources
# without a single complaint and finds texts of every kind (captions, labels held in
# tables, error dialogs, menus, messages). Arguments: the source root and, optionally,
# the lupdate that CMake found.
set -uo pipefail
root=$1
lupdate=${2:-}
[[ -x $lupdate ]] || lupdate=/usr/lib/qt6/bin/lupdate
[[ -x $lupdate ]] || { echo "SKIP: lupdate (Debian qt6-l10n-tools) is not installed"; exit 77; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dirs=(app core laws rates dialogs trayicon platform)
(cd "$root" && "$lupdate" -no-obsolete -locations none -I . "${dirs[@]}" -ts "$tmp/check.ts") \
  >"$tmp/out" 2>&1
status=$?
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
((status == 0)) || fail "lupdate exited with $status"
# Its progress lines are all it may say.
if grep -Ev "^Scanning directory '|^Updating '|^ +Found [0-9]+ source text" "$tmp/out"; then
  fail "lupdate printed the messages above"
fi
echo "$(grep -c '<message>' "$tmp/check.ts") texts extracted"

# Each sample is the end of one extracted text, as the .ts file escapes it.
samples=(
  "Calculated: Volume" "Volume 2" "Not Enough Data Input" "Volume 2:" "Temperature 2:"
  "Select What to Find" "Units" "Error # 2 - Negative Temperature Values"
  "All Your Base Are Belong To Us!" "Cannot Create System Shell Notification Icon"
  "Unknown error" "Animation Speed:" "Celsius -&gt; Kelvin" "&amp;Celsius to Kelvin"
  "another copy of Pelbrix kept the settings locked" "the folder is read-only"
)
for text in "${samples[@]}"; do
  grep -qF "$text</source>" "$tmp/check.ts" || fail "not extracted: $text"
done
((failures == 0))
