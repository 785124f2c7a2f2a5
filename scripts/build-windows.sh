#!/usr/bin/env bash
# Cross-builds RS_Fennick for Windows with mingw-w64 and the Qt 6 SDK from ../shared/toolchains
# (see scripts/windows-env.sh) and packs dist/RS_Fennick-<version>-win64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
. scripts/windows-env.sh
cmake --build "$win_build" -j"$win_jobs" --target rs_fennick rs_fennick_cli

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$win_build/CMakeCache.txt")
stage=$win_root/stage/RS_Fennick
rm -rf "$win_root/stage"
mkdir -p "$stage/licences"
cp "$win_build/bin/rs_fennick.exe" "$win_build/bin/rs_fennick_cli.exe" "$stage/"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.exe
"$win_sdk/bin/qt-mingw-deploy.sh" "$stage"
# Only the native platform and style: no offscreen or minimal platform, no image formats (the
# program draws its pictures itself).
rm -rf "$stage/imageformats" "$stage/platforms/qoffscreen.dll" "$stage/platforms/qminimal.dll"

crlf() { sed 's/\r*$/\r/' "$1" > "$2"; }  # Windows line ends for Notepad
crlf packaging/windows/README.txt "$stage/README.txt"
crlf packaging/windows/Qt-NOTICE.txt "$stage/licences/Qt-NOTICE.txt"
crlf /usr/share/common-licenses/LGPL-3 "$stage/licences/LGPL-3.0.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licences/GPL-3.0.txt"
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licences/GCC-runtime.txt"
crlf /usr/share/doc/mingw-w64-common/copyright "$stage/licences/mingw-w64-runtime.txt"

for needed in rs_fennick.exe rs_fennick_cli.exe platforms/qwindows.dll Qt6Core.dll Qt6Gui.dll \
              Qt6Widgets.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  [ -f "$stage/$needed" ] || { echo "The package lacks $needed" >&2; exit 1; }
done

mkdir -p dist
zip_file=$PWD/dist/RS_Fennick-$version-win64.zip
rm -f "$zip_file"
(cd "$win_root/stage" && zip -q -r -X "$zip_file" RS_Fennick)
echo "Packed $zip_file ($(du -h "$zip_file" | cut -f1))"
