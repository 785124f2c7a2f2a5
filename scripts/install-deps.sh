#!/usr/bin/env bash
# Installs what the build, the tests and the demo need on Debian 12; with --windows also what
# the Windows cross-build and its tests under wine need.
set -euo pipefail
packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
          libgtest-dev libgmock-dev libbenchmark-dev libzip-dev xvfb xauth imagemagick
          locales zipcmp zipmerge ziptool)
# (Debian 12's libzip CMake files refuse to load unless libzip's three tools are installed.)
if [ "${1:-}" = --windows ]; then
  packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools googletest
             wine wine64 fonts-wine xz-utils zip)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests write numbers under a German desktop's language, whose decimal point is a comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
