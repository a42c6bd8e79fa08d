#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs every test twice: once in a normal
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors.
# It also makes the Debian package and plays it unpacked, and cross-builds the Windows game and
# its packages (scripts/windows.sh) and proves them under Wine. Tests that need a display share
# one virtual X server.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_WERROR=ON \
  -DVANTARA_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
rm -f build/vantara_*.deb
(cd build && cpack -G DEB >/dev/null)
# The Windows game and its packages, cross-built with the data drawn above.
start=$SECONDS
scripts/windows.sh --host-build build
echo "Windows build: $((SECONDS - start)) s"

exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" scripts/run-tests.sh
