#!/usr/bin/env bash
# The Windows artefacts of tools/package --windows, made from this build and looked into:
# the portable zip holds the program with what it loads and the licences, and nothing only a
# build needs; unpacked, it runs under Wine with no help from the build tree and keeps its
# settings beside itself. The installer installs silently (/S) under Program Files with a
# Start-menu entry and an uninstaller; the installed copy runs and keeps its settings in
# %APPDATA%\pelbrix; the uninstaller removes it.
# Usage: windows_package.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
root=${1:?usage: windows_package.sh SOURCE_DIR BUILD_DIR}
build=${2:?usage: windows_package.sh SOURCE_DIR BUILD_DIR}
name=windows_package
source "$root/tests/e2e_lib.sh"
source "$root/tests/wine_lib.sh"
need_tools Xvfb openbox xdotool unzip makensis

work=$(mktemp -d)
fail_logs() { for f in "$work"/*.txt; do [[ -s "$f" ]] && sed "s/^/$(basename "$f"): /" "$f"; done; }
trap 'wine_stop; e2e_cleanup' EXIT

"$root/tools/package" --windows "$build" >"$work/package.txt" 2>&1 || fail "tools/package --windows failed"
version=$(sed -n 's/^project(Pelbrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip="$root/build-package/pelbrix-$version-windows-x64.zip"
setup="$root/build-package/pelbrix-$version-windows-x64-setup.exe"
[[ -f $zip && -f $setup ]] || fail "missing artefacts: $(ls "$root/build-package")"

# What the program loads, beside it; nothing only a build needs.
top=pelbrix-$version-windows-x64
unzip -Z1 "$zip" >"$work/contents"
for f in Pelbrix.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll \
  libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll doc/guide.html \
  LICENSE.txt licenses/qt/LGPL-3.0-only.txt licenses/gcc-runtime.txt; do
  grep -qx "$top/$f" "$work/contents" || fail "the zip lacks $f"
done
if grep -Ei '\.(a|h|lib|cmake|prl|pc)$|/include/' "$work/contents"; then fail "the zip holds build files"; fi
unzip -q "$zip" -d "$work/zip"
x86_64-w64-mingw32-objdump -h "$work/zip/$top/Qt6Core.dll" | grep -q '\.debug_' && fail "the DLLs are not stripped"

start_xvfb
start_openbox
unset WINEPATH  # only what lies beside the program
wine_start "$work/wine" || fail "Wine could not set up its prefix"

# Runs the program $1 until its main window shows, then closes it; its output in $2.txt.
run_once() {
  start_bg "$wine_bin" "$1" >"$work/$2.txt" 2>&1
  app=$bg_pid
  main_found() { main=$(find_window '^Pelbrix v4\.0$') && [[ -n "$main" ]]; }
  wait_for 60 main_found || fail "$2: the main window did not appear"
  wait_for 5 window_shown '^Form9$'
  wait_for 10 window_gone '^Form9$' || fail "$2: the splash screen did not go"
  xdotool windowactivate --sync "$main" >/dev/null 2>&1
  xdotool key --clearmodifiers alt+F4
  wait_for 20 ended || fail "$2: Pelbrix did not end on Alt+F4"
  wait "$app" 2>/dev/null
  [[ -s "$work/$2.txt" ]] && fail "$2 printed on the console"
}

run_once "$work/zip/$top/Pelbrix.exe" portable
grep -q '^\[Main\]' "$work/zip/$top/Pelbrix.INI" 2>/dev/null || fail "the portable copy kept no Pelbrix.INI beside itself"

"$wine_bin" "$setup" /S >"$work/setup.txt" 2>&1 || fail "the installer failed"
installed="$WINEPREFIX/drive_c/Program Files/Pelbrix"
wait_for 30 test -f "$installed/Pelbrix.exe" || fail "nothing installed under Program Files"
[[ -f "$installed/Uninstall.exe" ]] || fail "no uninstaller"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Pelbrix"
[[ -f "$menu/Pelbrix.lnk" ]] || fail "no Start-menu entry: $(find "$WINEPREFIX/drive_c/ProgramData" -name '*.lnk')"
run_once "$installed/Pelbrix.exe" installed
appdata=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Roaming/pelbrix/Pelbrix.INI' | head -n 1)
[[ -n $appdata ]] || fail "the installed copy kept no settings in %APPDATA%\\pelbrix"
[[ -e "$installed/Pelbrix.INI" ]] && fail "the installed copy wrote beside itself"

"$wine_bin" "$installed/Uninstall.exe" /S >"$work/uninstall.txt" 2>&1
gone() { [[ ! -e "$installed/Pelbrix.exe" && ! -e "$menu/Pelbrix.lnk" ]]; }
wait_for 30 gone || fail "the uninstaller left $(ls "$installed" "$menu" 2>/dev/null)"
echo "$name: zip $(stat -c %s "$zip") bytes, installer $(stat -c %s "$setup") bytes; both ran under Wine"
