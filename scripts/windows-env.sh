# Sourced by build-windows.sh and test-windows.sh: unpacks the Qt 6 mingw SDK into build-win/
# (once per archive) and configures the cross build in build-win/build. With an argument "wine"
# it also sets up wine to run what the build made.
#   FENNICK_QT_SDK_ARCHIVE  the SDK archive (default: ../shared/toolchains/qt6-mingw64-6.4.2.tar.xz
#                           beside the repository)
#   FENNICK_JOBS            parallel jobs (default: the number of processors)
win_root=$PWD/build-win
win_build=$win_root/build
win_jobs=${FENNICK_JOBS:-$(nproc)}
win_archive=${FENNICK_QT_SDK_ARCHIVE:-$(dirname "$PWD")/shared/toolchains/qt6-mingw64-6.4.2.tar.xz}
if [ ! -f "$win_archive" ]; then
  echo "The Qt 6 mingw SDK archive $win_archive is missing; set FENNICK_QT_SDK_ARCHIVE." >&2
  exit 1
fi
win_sdk=$win_root/$(basename "$win_archive" .tar.xz)
win_stamp="$(stat -c '%s %Y' "$win_archive") $win_archive"
if [ "$(cat "$win_sdk.unpacked" 2>/dev/null)" != "$win_stamp" ]; then
  echo "Unpacking $win_archive into $win_root"
  rm -rf "$win_sdk"
  mkdir -p "$win_root"
  tar -C "$win_root" -xJf "$win_archive"
  echo "$win_stamp" > "$win_sdk.unpacked"
fi
# Google Benchmark has no Windows build here; googletest comes from /usr/src/googletest.
cmake -S . -B "$win_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENNICK_BUILD_BENCH=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$win_sdk/lib/cmake/Qt6/qt.toolchain.cmake" >/dev/null
if [ "${1:-}" = wine ]; then
  # Its own prefix in build-win, the SDK's DLLs on wine's search path, QT_* passed as WINEQT_*.
  export WINEPREFIX=${WINEPREFIX:-$win_root/wineprefix}
  # shellcheck source=/dev/null
  . "$win_sdk/bin/qt-mingw-wine-env.sh"
fi
