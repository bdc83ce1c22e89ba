#!/usr/bin/env bash
# Builds the Debian package with tools/package and checks what it holds: its name and
# control fields, the files a desktop and dpkg need, a stripped binary, the version
# agreeing everywhere, a manual page that renders cleanly, and no lintian error.
# Usage: package_check.sh SOURCE_DIR
set -uo pipefail
root=${1:?usage: package_check.sh SOURCE_DIR}
fail() {
  echo "package_check: FAIL: $*"
  exit 1
}
for tool in dpkg-deb dpkg-shlibdeps lintian readelf strings man; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup --test)"
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/tools/package" >"$work/build.txt" 2>&1 || { cat "$work/build.txt"; fail "tools/package failed"; }
version=$(sed -n 's/^project(Pelbrix VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
deb="$root/build-package/pelbrix_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || fail "no $deb; built: $(ls "$root"/build-package/*.deb 2>/dev/null)"

info=$(dpkg-deb -I "$deb")
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == pelbrix ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
[[ -n $(field Maintainer) && -n $(field Section) ]] || fail "no Maintainer or Section:\n$info"
[[ $(field Description) == *"gas laws"* ]] || fail "no long description:\n$info"
homepage=$(sed -n 's/^set(PELBRIX_HOMEPAGE "\([^"]*\)".*/\1/p' "$root/CMakeLists.txt")
[[ -n $homepage && $(field Homepage) == "$homepage" ]] || fail "Homepage: $(field Homepage), not $homepage"
# Computed from the binary, so the Qt libraries it links are there with their versions.
[[ $(field Depends) == *"libqt6widgets6 (>="* && $(field Depends) == *"libc6"* ]] ||
  fail "dependencies not computed: $(field Depends)"
[[ $(field Recommends) == *xdg-utils* ]] || fail "F1 needs xdg-utils: Recommends: $(field Recommends)"

contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for f in ./usr/bin/pelbrix \
  ./usr/share/applications/io.github.pelbrix.Pelbrix.desktop \
  ./usr/share/metainfo/io.github.pelbrix.Pelbrix.metainfo.xml \
  ./usr/share/icons/hicolor/16x16/apps/pelbrix.png ./usr/share/icons/hicolor/256x256/apps/pelbrix.png \
  ./usr/share/icons/hicolor/scalable/apps/pelbrix.svg \
  ./usr/share/doc/pelbrix/copyright ./usr/share/doc/pelbrix/changelog.gz \
  ./usr/share/doc/pelbrix/guide.html \
  ./usr/share/man/man1/pelbrix.1.gz; do
  grep -qxF "$f" <<<"$contents" || fail "not in the package: $f"
done
grep -v '^\./usr/' <<<"$contents" | grep -qv '^\./$' && fail "files outside /usr: $(grep -v '^\./usr/' <<<"$contents")"

dpkg-deb -x "$deb" "$work/x"
readelf -S "$work/x/usr/bin/pelbrix" | grep -qE '\.symtab|\.debug_' && fail "the binary is not stripped"
grep -q "<release version=\"$version\"" "$work/x/usr/share/metainfo/io.github.pelbrix.Pelbrix.metainfo.xml" ||
  fail "the AppStream release is not $version"
grep -qF "<url type=\"homepage\">$homepage</url>" "$work/x/usr/share/metainfo/io.github.pelbrix.Pelbrix.metainfo.xml" ||
  fail "the AppStream data names no homepage $homepage"
strings -el "$work/x/usr/bin/pelbrix" | grep -qxF "Pelbrix $version" || fail "the About box does not say Pelbrix $version"
strings -el "$work/x/usr/bin/pelbrix" | grep -qxF /usr/share/doc/pelbrix/guide.html ||
  fail "F1 does not look for the guide where the package installs it"
zcat "$work/x/usr/share/doc/pelbrix/changelog.gz" | head -n1 | grep -qF "pelbrix ($version)" ||
  fail "the changelog is not for $version"
manwarn=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$work/x/usr/share/man/man1/pelbrix.1.gz" 2>&1 >/dev/null)
[[ -z "$manwarn" ]] || fail "the manual page has faults: $manwarn"

lint=$(lintian -EvIL +pedantic "$deb" 2>&1 | grep -v 'running with root privileges')
echo "package_check: $(basename "$deb"), $(stat -c %s "$deb") bytes; lintian:${lint:+$'\n'}${lint:- no tags}"
grep -q '^E: ' <<<"$lint" && fail "lintian reports errors"
echo "package_check: control fields, contents, stripped binary, versions and manual page as expected"
