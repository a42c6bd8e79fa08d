#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs every test twice: once in a normal
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors.
# It also makes the Debian package and plays it unpacked, and builds the browser version
# (scripts/web.sh) and tests it under Node and in headless Chromium. Tests that need a display
# share one virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
# The sanitizer build takes the pictures and sounds the normal build drew (the generator
# itself runs under the sanitizers in its tests).
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON \
  -DVANTARA_SANITIZE=ON -DVANTARA_HOST_BUILD="$PWD/build" >/dev/null
cmake --build build-sanitize -j"$jobs"
rm -f build/vantara_*.deb
(cd build && cpack -G DEB >/dev/null)
# The browser build (Emscripten, its page, Chromium and the tests' driver), timed.
start=$SECONDS
scripts/web.sh
echo "browser build: $((SECONDS - start)) s"

exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" scripts/run-tests.sh
