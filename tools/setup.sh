#!/usr/bin/env bash
# Installs what building and testing Corvane needs on Debian, once: quick when
# everything is there already. Source it or run it.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 fonts-liberation fonts-noto-cjk
  xvfb xdotool imagemagick x11-utils python3 python3-pytest python3-yaml nsis
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo=""
  if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Every command the scripts call, with the package that provides it: a
# machine where one is missing stops here, with the package to install.
commands=(
  cmake:cmake ninja:ninja-build g++:g++ clang++:clang
  i686-w64-mingw32-g++-posix:g++-mingw-w64-i686 i686-w64-mingw32-windres:binutils-mingw-w64-i686
  x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64
  x86_64-w64-mingw32-windres:binutils-mingw-w64-x86-64
  wine:wine wineserver:wine /usr/lib/wine/wine64:wine64 makensis:nsis
  Xvfb:xvfb xdotool:xdotool import:imagemagick xwininfo:x11-utils python3:python3
)
absent=0
for pair in "${commands[@]}"; do
  if ! command -v "${pair%%:*}" >/dev/null 2>&1; then
    echo "setup: the command ${pair%%:*} is missing; it comes with the Debian package ${pair#*:}" >&2
    absent=1
  fi
done
for pair in pytest:python3-pytest yaml:python3-yaml; do
  if ! /usr/bin/python3 -c "import ${pair%%:*}" 2>/dev/null; then
    echo "setup: the Python module ${pair%%:*} is missing; it comes with the Debian package ${pair#*:}" >&2
    absent=1
  fi
done
exit "$absent"
