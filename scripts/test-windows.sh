#!/usr/bin/env bash
# Cross-builds the test suites for Windows and runs them through CTest under wine (the SDK's
# toolchain makes wine the emulator), windows on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
. scripts/windows-env.sh wine
cmake --build "$win_build" -j"$win_jobs"

# One wine server for the whole run, started here: one started by a test would hold that
# test's output open, and CTest would wait for it until the last test ends.
wineserver -p </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
export WINEQT_QPA_PLATFORM=offscreen
ctest --test-dir "$win_build" --output-on-failure -j"$win_jobs"
