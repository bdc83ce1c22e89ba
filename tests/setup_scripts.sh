#!/usr/bin/env bash
# The set-up scripts work from nothing and never end silently: shellcheck finds nothing in
# tools/ and .ci/, and tools/setup-windows --check runs its logic up to its first fetch or
# build against caches in every state a machine can have: none at all, an interrupted
# source, a finished prefix, and one that cannot be made.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

command -v shellcheck >/dev/null || { echo "SKIP: shellcheck is not installed"; exit 77; }
scripts=()
for f in "$root"/tools/* "$root"/.ci/*; do
  [[ -f $f ]] && head -n 1 "$f" | grep -q 'bash' && scripts+=("$f")
done
((${#scripts[@]} >= 8)) || fail "only ${#scripts[@]} scripts found in tools/ and .ci/"
(cd "$root" && shellcheck -x "${scripts[@]}") || fail "shellcheck"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# check CACHE EXPECTED_STATUS STDERR_PATTERN: runs the check against CACHE.
check() {
  local out err status
  out=$(PELBRIX_CACHE=$1 "$root/tools/setup-windows" --check 2>"$tmp/err")
  status=$?
  err=$(grep -v 'would install:' "$tmp/err")  # packages tools/test itself does not need
  [[ $status == "$2" ]] || fail "cache $1: exit $status, expected $2: $err"
  [[ $err =~ $3 ]] || fail "cache $1: stderr '$err' does not match '$3'"
  if ((status == 0)) && [[ ${out##*$'\n'} != "$1/windows-qt-$version" ]]; then
    fail "cache $1: printed '$out' instead of the prefix"
  fi
}
check "$tmp/new/cache" 0 "would be: fetch the qt6-base"
mkdir -p "$tmp/interrupted/windows-qt-work/qt6-base-6.4.2+dfsg"
check "$tmp/interrupted" 0 "would be: build Qt .* from $tmp/interrupted/windows-qt-work/qt6-base-"
mkdir -p "$tmp/built/windows-qt-$version" && touch "$tmp/built/windows-qt-$version/.complete"
check "$tmp/built" 0 "^$"
touch "$tmp/a-file"
check "$tmp/a-file/cache" 1 "tools/setup-windows: line [0-9]+ failed"

((failures == 0)) && echo "set-up scripts: all checks passed"
((failures == 0))
