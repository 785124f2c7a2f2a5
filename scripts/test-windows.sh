#!/usr/bin/env bash
# Cross-builds the test suites for Windows and runs them through CTest under wine (the SDK's
# toolchain makes wine the emulator), windows on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
. scripts/windows-env.sh wine
cmake --build "$win_build" -j"$win_jobs"
export WINEQT_QPA_PLATFORM=offscreen
ctest --test-dir "$win_build" --output-on-failure -j"$win_jobs"
