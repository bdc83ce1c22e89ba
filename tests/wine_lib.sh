# Wine for the Windows build's tests; sourced, not run. wine_start DIR makes DIR a Wine
# prefix of its own (created on first use) with its own wine server, whose PID is in
# $wine_server; wine_stop has that server end every Windows process of the prefix (the
# services it started, such as winedevice.exe, included) and waits for it by its PID.
# shellcheck shell=bash

wine_bin=$(command -v /usr/lib/wine/wine64 || command -v wine64 || command -v wine || true)
wineserver_bin=$(command -v /usr/lib/wine/wineserver64 || command -v /usr/lib/wine/wineserver ||
  command -v wineserver || true)
# No debugging output, no offer to install Mono or Gecko, no menu entries on the host.
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_start() {
  [[ -n $wine_bin && -n $wineserver_bin ]] || { echo "wine64 is missing (tools/setup-windows)"; return 1; }
  export WINEPREFIX=$1
  mkdir -p "$WINEPREFIX"
  "$wineserver_bin" -f -p &
  wine_server=$!
  if [[ ! -f $WINEPREFIX/system.reg ]]; then
    timeout 180 "$wine_bin" wineboot -i >/dev/null 2>&1 || { echo "wineboot failed in $WINEPREFIX"; return 1; }
  fi
}

wine_stop() {
  [[ -n ${wine_server:-} ]] || return 0
  # Told to end, the server ends its prefix's processes with it; killed outright it would
  # leave the prefix's services running without it.
  "$wineserver_bin" -k 2>/dev/null || kill "$wine_server" 2>/dev/null
  wait "$wine_server" 2>/dev/null
  wine_server=
}

# A Unix path as Wine's Z: drive shows it.
wine_path() { local p=$1; echo "Z:${p//\//\\}"; }
