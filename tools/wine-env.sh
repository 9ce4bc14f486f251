#!/usr/bin/env bash
# Sourced: a private X display (Xvfb) when none is given, and the project's own
# Wine prefix, made once and reused.
: "${CORVANE_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$CORVANE_ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

corvane_start_xvfb() {
  local display
  for display in $(seq 90 120); do
    if [ ! -e "/tmp/.X11-unix/X$display" ] && [ ! -e "/tmp/.X$display-lock" ]; then
      Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      CORVANE_XVFB_PID=$!
      export DISPLAY=":$display"
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.1
      done
      return 0
    fi
  done
  echo "no free X display" >&2
  return 1
}

corvane_stop_xvfb() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${CORVANE_XVFB_PID:-}" ]; then
    kill "$CORVANE_XVFB_PID" >/dev/null 2>&1 || true
    wait "$CORVANE_XVFB_PID" 2>/dev/null || true
  fi
}

corvane_prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}
