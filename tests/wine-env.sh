# Wine prefixes private to the build tree, created on first use, and an Xvfb display.
# Sourced by tests/run, tools/demo and bench/run.
WINE_ROOT="${BUILD:?}/wine"
# No Mono or Gecko installer, no menu entries, and no debugger popping up on a crash: a test
# that crashes must end and be counted, not wait for someone.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"

wine_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# wine_prefix win32|win64: exports WINEPREFIX/WINEARCH, creating the prefix when missing.
wine_prefix() {
  export WINEARCH=$1 WINEPREFIX="$WINE_ROOT/$1"
  local attempt
  for attempt in 1 2 3; do
    [ -f "$WINEPREFIX/.ready" ] && break
    rm -rf "$WINEPREFIX"; mkdir -p "$WINE_ROOT"
    echo "  (creating Wine prefix $1)"
    # wineboot returns once the prefix is laid out; its services may linger (some crash where
    # the i386 loader is emulated and are restarted on demand), so don't wait for them. Its exit
    # code says little (a helper aborting on an unimplemented function makes it non-zero in a
    # prefix that is fine): the prefix is ready when Wine reports the configuration updated. A
    # boot that dies half-way (seen under emulation) is tried again from scratch.
    timeout 600 wineboot -i >"$WINE_ROOT/$1-boot.log" 2>&1
    local waited
    for waited in $(seq 120); do
      grep -q "has been updated" "$WINE_ROOT/$1-boot.log" && [ -f "$WINEPREFIX/system.reg" ] && touch "$WINEPREFIX/.ready" && break
      sleep 1
    done
    [ -f "$WINEPREFIX/.ready" ] || WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
  done
  [ -f "$WINEPREFIX/.ready" ] || return 1
  wineserver -p 900 2>/dev/null || true  # already up: fine
}

# wine_look_prefix luna|classic|themed: a 32-bit prefix set up for one look of the themed
# controls, made once as a copy of the win32 prefix (registry files copied, everything else
# hard-linked) with the Windows version and visual styles set:
#   luna     Windows 2000, no visual styles (the drawn XP look)
#   classic  Windows XP, visual styles off
#   themed   Windows XP, Wine's light theme (light.msstyles) switched on
wine_look_prefix() {
  local look=$1 dir="$WINE_ROOT/win32-$1"
  if [ ! -f "$dir/.ready" ]; then
    wine_prefix win32 || return 1
    local base="$WINE_ROOT/win32"
    WINEPREFIX=$base wineserver -k 2>/dev/null  # registry written out before copying
    rm -rf "$dir"; cp -al "$base" "$dir" || return 1
    local f; for f in "$dir"/*.reg; do cp --remove-destination "$base/$(basename "$f")" "$f"; done
    rm -f "$dir/.ready"
    export WINEARCH=win32 WINEPREFIX=$dir
    local version=winxp active=0
    [ "$look" = luna ] && version=win2k
    [ "$look" = themed ] && active=1
    local tm='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
    local styles; styles=$(wine_path /usr/lib/i386-linux-gnu/wine/i386-windows/light.msstyles)
    wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1 &&
      wine reg add "$tm" /v ThemeActive /d "$active" /f >/dev/null 2>&1 &&
      wine reg add "$tm" /v DllName /t REG_EXPAND_SZ /d "$styles" /f >/dev/null 2>&1 || return 1
    wineserver -w 2>/dev/null
    touch "$dir/.ready"
  fi
  export WINEARCH=win32 WINEPREFIX=$dir
  wineserver -p 900 2>/dev/null || true
}

wine_start_display() {
  local d=${DISPLAY:-}; d=${d#:}; d=${d%%.*}
  if [ -z "$d" ] || [ ! -e "/tmp/.X11-unix/X$d" ]; then
    local n=97
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
}

wine_stop() {
  for p in "$WINE_ROOT"/win32 "$WINE_ROOT"/win32-* "$WINE_ROOT"/win64; do [ -d "$p" ] && WINEPREFIX=$p wineserver -k 2>/dev/null; done
  [ -n "${WINE_XVFB_PID:-}" ] && kill "$WINE_XVFB_PID" 2>/dev/null
  return 0
}
