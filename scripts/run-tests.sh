#!/usr/bin/env bash
# Runs the tests of both builds, then the package's and the Windows game's under Wine, on the
# current X display (scripts/test.sh starts one and makes the packages).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
status=0

echo "== tests: normal build"
ctest --test-dir build -j"$jobs" --output-on-failure --timeout 300 || status=1

echo "== tests: AddressSanitizer + UndefinedBehaviorSanitizer build"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp \
  ctest --test-dir build-sanitize -j"$jobs" --output-on-failure --timeout 600 || status=1

echo "== the Debian package, unpacked and played"
tests/package/installed_game.sh build/vantara_*.deb || status=1

echo "== the browser build: replays under Node, the page in headless Chromium"
tests/web/run.sh build build-web || status=1

echo "== the Windows game under Wine: replays, the game, its settings, the installer"
start=$SECONDS
tests/windows/wine_game.sh build-windows || status=1
echo "Windows game under Wine: $((SECONDS - start)) s"

echo "== end-to-end tests again, normal build, while two other processes keep the cores busy"
yes >/dev/null &
load1=$!
yes >/dev/null &
load2=$!
# The load ends with the script, however it ends. (A failed kill of a load already gone must
# not become the script's exit code under set -e.)
trap 'kill $load1 $load2 2>/dev/null || :' EXIT
start=$SECONDS
ctest --test-dir build -L e2e --output-on-failure || status=1
echo "end-to-end tests under load: $((SECONDS - start)) s"

exit $status
