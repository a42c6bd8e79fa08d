#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vantara and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only the game and its pictures and sounds: the tests and tools wait for scripts/test.sh.
cmake --build build -j"$(nproc)" --target vantara
# The game finds its data/ beside it, whatever the working directory.
exec build/vantara
