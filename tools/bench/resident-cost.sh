#!/usr/bin/env bash
# Corvane's resident cost beside a bare tray program's, under Wine: start-up
# time to input idle and private memory, medians of PAIRS alternating runs
# (15 unless given), for one architecture (x64 unless given). Builds what
# ships (the release corvane.exe) and the two bench programs, and runs them on
# a private Xvfb display, in a prefix of its own holding the 20 entries of
# entries.reg. It prints figures; it fails only when it cannot run.
#   tools/bench/resident-cost.sh [x86|x64] [PAIRS]
set -euo pipefail
cd "$(dirname "$0")/../.."
export CORVANE_ROOT="$PWD"
arch="${1:-x64}"
pairs="${2:-15}"
source tools/wine-env.sh
if ! corvane_arch_runs "$arch"; then
  echo "$(corvane_bits "$arch")-bit programs cannot run on this machine" >&2
  exit 1
fi

cmake --preset "release-$arch" >/dev/null
cmake --build --preset "release-$arch" -j2 --target corvane bare_tray resident_cost >/dev/null
build="$PWD/build/release-$arch"
windows() { printf 'Z:%s' "${1//\//\\}"; } # a Unix path as Wine's Z: drive names it

corvane_start_xvfb
trap corvane_stop_xvfb EXIT
corvane_use_arch "$arch" "$CORVANE_ROOT/build/wineprefix-resident"
corvane_prepare_prefix
wine reg import "$(windows "$PWD/tools/bench/entries.reg")" >/dev/null 2>&1
# The desktop of entries.reg, held up for the whole run: its task bar is the tray.
wine explorer /desktop=CorvaneBench,1024x768 >/dev/null 2>&1 &
for _ in $(seq 300); do
  xdotool search --onlyvisible --name '^CorvaneBench - Wine desktop$' >/dev/null 2>&1 && break
  sleep 0.1
done

echo "$(corvane_bits "$arch")-bit, Wine $(wine --version)"
wine "$build/tools/bench/resident_cost.exe" -pairs "$pairs" \
  "$(windows "$build/app/win32/corvane.exe")" "$(windows "$build/tools/bench/bare_tray.exe")"
