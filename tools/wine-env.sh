#!/usr/bin/env bash
# Sourced: a private X display (Xvfb) when none is given, and Wine for one
# architecture at a time (x86 or x64), each with a prefix of its own kind, made
# once and reused.
: "${CORVANE_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Each architecture's loader, started directly: Debian's `wine` script picks
# the 32-bit loader whenever it is installed, even on a machine whose kernel
# cannot run it. Set one to a missing file to see what such a machine does.
: "${CORVANE_WINE_X86:=/usr/lib/wine/wine}"
: "${CORVANE_WINE_X64:=/usr/lib/wine/wine64}"

corvane_loader() { # ARCH
  case "$1" in
    x86) echo "$CORVANE_WINE_X86" ;;
    x64) echo "$CORVANE_WINE_X64" ;;
    *) echo "unknown architecture '$1' (x86 or x64)" >&2; return 1 ;;
  esac
}

corvane_bits() { # ARCH
  if [ "$1" = x86 ]; then echo 32; else echo 64; fi
}

# Whether this machine runs the architecture's programs: its loader is run, as
# nothing but running a program tells (the files may be there all the same).
corvane_arch_runs() { # ARCH
  local loader
  loader=$(corvane_loader "$1") || return 1
  "$loader" --version >/dev/null 2>&1
}

# Makes ARCH's Wine the one that `wine`, `wineboot` and CTest's emulator start,
# with its own prefix: PREFIX_BASE-ARCH. The commands are small scripts in
# build/wine-ARCH, put first on the PATH in place of another architecture's.
corvane_use_arch() { # ARCH PREFIX_BASE
  local loader bin
  loader=$(corvane_loader "$1") || return 1
  bin="$CORVANE_ROOT/build/wine-$1"
  mkdir -p "$bin"
  printf '#!/bin/sh\nexec "%s" "$@"\n' "$loader" >"$bin/wine"
  printf '#!/bin/sh\nexec "%s" wineboot.exe "$@"\n' "$loader" >"$bin/wineboot"
  chmod +x "$bin/wine" "$bin/wineboot"
  PATH=$(printf '%s' "$PATH" | tr ':' '\n' | grep -vx "$CORVANE_ROOT/build/wine-x[0-9]*" | paste -sd:)
  export PATH="$bin:$PATH"
  export CORVANE_ARCH="$1" WINELOADER="$loader" WINEPREFIX="$2-$1"
  export WINEARCH="win$(corvane_bits "$1")"
}

# Starts Xvfb on the first free display and waits for its socket; an Xvfb that
# ends (another took the display first) gives way to the next display, one that
# shows no socket within 10 s is reported with what it said.
corvane_start_xvfb() {
  local display log
  log=$(mktemp)
  for display in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$display" ] && [ ! -e "/tmp/.X$display-lock" ]; then
      Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
      CORVANE_XVFB_PID=$!
      for _ in $(seq 100); do
        if [ -S "/tmp/.X11-unix/X$display" ]; then
          export DISPLAY=":$display"
          rm -f "$log"
          return 0
        fi
        kill -0 "$CORVANE_XVFB_PID" 2>/dev/null || continue 2
        sleep 0.1
      done
      echo "Xvfb :$display showed no socket within 10 s; it said:" >&2
      cat "$log" >&2
      kill "$CORVANE_XVFB_PID" 2>/dev/null
      rm -f "$log"
      return 1
    fi
  done
  echo "no free X display (:90 to :120); the last Xvfb said:" >&2
  cat "$log" >&2
  rm -f "$log"
  return 1
}

corvane_stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${CORVANE_XVFB_PID:-}" ]; then
    kill "$CORVANE_XVFB_PID" >/dev/null 2>&1 || true
    wait "$CORVANE_XVFB_PID" 2>/dev/null || true
  fi
}

# Makes the prefix on first use. When wineboot fails, its own output is kept
# in PREFIX.wineboot.log (the suites quote it) and shown. Every prefix takes
# Japanese and Chinese glyphs from the Noto CJK fonts (tools/wine-fonts.reg).
corvane_prepare_prefix() {
  corvane_make_prefix || return 1
  wine reg import "Z:$(printf '%s' "$CORVANE_ROOT/tools/wine-fonts.reg" | tr / '\\')" >/dev/null 2>&1
}

corvane_make_prefix() {
  local log="$WINEPREFIX.wineboot.log"
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  mkdir -p "$WINEPREFIX"
  if wineboot -i >"$log" 2>&1 && wineserver -w && [ -f "$WINEPREFIX/system.reg" ]; then
    rm -f "$log"
    return 0
  fi
  echo "the Wine prefix $WINEPREFIX could not be made; wineboot said:" >&2
  cat "$log" >&2
  rm -rf "$WINEPREFIX"
  return 1
}

# Makes WINEPREFIX a prefix at DPI of its own: a copy of the current one whose
# LogPixels is set while none of its processes runs (Wine takes the DPI once,
# at start), made on first use. CORVANE_TEST_DPI tells the suites which DPI.
corvane_use_dpi() { # DPI
  local base=$WINEPREFIX
  export WINEPREFIX="$base-dpi$1" CORVANE_TEST_DPI="$1"
  [ -f "$WINEPREFIX/user.reg" ] && return 0
  rm -rf "$WINEPREFIX"
  WINEPREFIX=$base wineserver -w # its registry written out
  cp -a "$base" "$WINEPREFIX"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  wineserver -w
}
