#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine and makes the Debian package of the game, without the
# tests, in build-package/: install it with `sudo apt install ./build-package/vantara_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTARA_TESTS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/vantara_*.deb
(cd build-package && cpack -G DEB >/dev/null)
ls build-package/vantara_*.deb
