#!/usr/bin/env bash
# Installs what is missing, builds RS_Fennick, lays out the sample simulator installation and
# starts the program on it. Without a display it runs a short tour of the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target rs_fennick rs_fennick_cli serz_standin make_sample_install \
  railsim_standin railsimeditor_standin

sample="$PWD/build/sample"
if [ ! -d "$sample" ]; then
  build/tools/make_sample_install "$sample" --serz build/tools/serz.exe \
    --railsim build/tools/RailSim.exe --railsimeditor build/tools/RailSimEditor.exe
fi
# The program keeps its settings beside itself: point it at the sample installation.
if [ ! -f build/bin/Fennick.ini ]; then
  printf '%s\r\n\r\n\r\nFalse\r\n' "$sample" > build/bin/Fennick.ini
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/rs_fennick
fi

echo "No display found, so RS_Fennick's windows cannot open here."
echo "A short tour of the same commands through rs_fennick_cli instead:"
cli=build/bin/rs_fennick_cli
tour() { echo; echo "\$ rs_fennick_cli $*"; "$cli" --rs-path "$sample" "$@" || true; }
tour routes
route=$("$cli" --rs-path "$sample" routes | head -n 1 | cut -f 2)
tour scenarios "$route"
scenario=$("$cli" --rs-path "$sample" scenarios "$route" 2>/dev/null | head -n 1 | cut -f 2)
tour show "$route" "$scenario"
tour saves "$route" "$scenario"
echo
echo "Run it again on a machine with a display (or under xvfb-run) to see the windows."
