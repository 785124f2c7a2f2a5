#!/usr/bin/env bash
# Cross-builds the test suites for Windows and runs them through CTest under wine (the SDK's
# toolchain makes wine the emulator), windows on Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
. scripts/windows-env.sh wine
cmake --build "$win_build" -j"$win_jobs"

# The wine server and wine's own services for the whole run, started here: started by a test,
# they would hold that test's output open, and CTest would wait for them until the run ends.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
export WINEQT_QPA_PLATFORM=offscreen
ctest --test-dir "$win_build" --output-on-failure -j"$win_jobs"

# The packed command line against the Linux build: unpacked from the zip, on the sample
# installation reached by a drive-letter path and by a UNC path (wine serves \\host\share from
# dosdevices/unc), it must print exactly what the Linux build prints.
zip=$(ls -t dist/RS_Fennick-*-win64.zip 2>/dev/null | head -n 1 || true)
if [ -z "$zip" ] || [ ! -x build/bin/rs_fennick_cli ] || [ ! -x build/tools/make_sample_install ]; then
  echo "Comparison with the Linux build skipped: scripts/test.sh and scripts/build-windows.sh make"
  echo "what it needs."
  exit 0
fi
smoke=$win_root/smoke
rm -rf "$smoke"
mkdir -p "$smoke" "$WINEPREFIX/dosdevices/unc/fennick-smoke"
unzip -q "$zip" -d "$smoke"
build/tools/make_sample_install "$smoke/linux" >/dev/null
build/tools/make_sample_install "$smoke/windows" --serz "$win_build/tools/serz.exe" \
  --railsim "$win_build/tools/RailSim.exe" --railsimeditor "$win_build/tools/RailSimEditor.exe" \
  >/dev/null
ln -sfn "$smoke" "$WINEPREFIX/dosdevices/unc/fennick-smoke/share"
drive_path="Z:$(printf '%s' "$smoke/windows" | tr / '\\')"
unc_path='\\fennick-smoke\share\windows'
route=2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21      # Severn Vale Branch
scenario=0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301   # Morning Coal Empties
french=7b41f0e2-93c5-4d08-a6e1-3c2f5d9b8a04     # Ligne de la Côte d'Émeraude
french_scenario=4e0f2a53-6172-4d94-b085-1c23d4e5f6a7
failed=0
while read -r -a command; do
  expected=$(build/bin/rs_fennick_cli --rs-path "$smoke/linux" "${command[@]}" </dev/null 2>&1
             echo "exit $?")
  for rs_path in "$drive_path" "$unc_path"; do
    actual=$(wine "$smoke/RS_Fennick/rs_fennick_cli.exe" --rs-path "$rs_path" "${command[@]}" \
               </dev/null 2>&1
             echo "exit $?")
    if [ "$actual" != "$expected" ]; then
      echo "rs_fennick_cli.exe --rs-path $rs_path ${command[*]} differs from the Linux build:"
      diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
      failed=1
    fi
  done
done <<COMMANDS
routes
scenarios $route
scenarios $french
show $route $scenario
show $french $french_scenario
saves $french $french_scenario
COMMANDS
[ "$failed" -eq 0 ] || exit 1
echo "The packed rs_fennick_cli.exe prints what the Linux build prints (drive-letter and UNC paths)."
