#!/usr/bin/env bash
# Builds the Linux package dist/rs-fennick_<version>_amd64.deb: the two programs, the menu entry
# and the icon, with the packages they need declared.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DFENNICK_BUILD_TESTS=OFF \
  -DFENNICK_BUILD_BENCH=OFF
cmake --build build-deb -j"${FENNICK_JOBS:-$(nproc)}"
mkdir -p dist
(cd build-deb && cpack -G DEB -B "$PWD/../dist/cpack")
mv dist/cpack/*.deb dist/
rm -rf dist/cpack
ls dist/*.deb
