#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vantara and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
# The game reads its assets from data/ under the working directory.
cd build
exec ./vantara
