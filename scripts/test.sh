#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs every test twice: once in a normal
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors.
# It also makes the Debian package and plays it unpacked, builds the browser version
# (scripts/web.sh) and tests it under Node and in headless Chromium, and cross-builds the
# Windows game and its packages (scripts/windows.sh) and proves them under Wine. Tests that
# need a display share one virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
# ccache keeps compiled files between runs on a machine that is used again (paths are taken
# relative to the checkout, so another clone of it hits the same cache).
export CCACHE_BASEDIR=$PWD
cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON "${cache[@]}" >/dev/null
cmake --build build -j"$jobs"
# The sanitizer build takes the pictures and sounds the normal build drew (the generator
# itself runs under the sanitizers in its tests).
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON \
  -DVANTARA_SANITIZE=ON -DVANTARA_HOST_BUILD="$PWD/build" "${cache[@]}" >/dev/null
cmake --build build-sanitize -j"$jobs"
rm -f build/vantara_*.deb
(cd build && cpack -G DEB >/dev/null)
# The browser build (Emscripten, its page, Chromium and the tests' driver), timed.
start=$SECONDS
scripts/web.sh
echo "browser build: $((SECONDS - start)) s"
# The Windows game and its packages, cross-built with the data drawn above.
start=$SECONDS
scripts/windows.sh --host-build build
echo "Windows build: $((SECONDS - start)) s"

exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" scripts/run-tests.sh
