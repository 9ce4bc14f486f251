#!/bin/sh
# Runs a Wine test program at a DPI, in a prefix of its own: a copy of the tests' prefix whose
# LogPixels is set while none of its processes runs (Wine takes the DPI once, at start).
set -e
dpi=$1
shift
base=$WINEPREFIX
export WINEPREFIX="$base-dpi$dpi"
if [ ! -f "$WINEPREFIX/user.reg" ]; then
  rm -rf "$WINEPREFIX"
  cp -a "$base" "$WINEPREFIX"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  wineserver -w
fi
export CORVANE_TEST_DPI="$dpi"
exec wine "$@"
