#!/usr/bin/env bash
# The browser build's tests, on a running X display (for the desktop runner's pictures):
#   tests/web/run.sh [BUILD] [BUILD-WEB]
# 1. The replay runner built for the web, under Node, prints the same bytes as the desktop
#    runner for every committed replay.
# 2. The page in headless Chromium (browser_test.js), against the desktop runner's pictures
#    of the same frames and the frame its Tutorial 1 replay finishes on.
set -uo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
web=${2:-build-web}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

passed=0 failed=0
for script in tests/levels/replays/*.txt; do
    state=$(basename "$script" .txt)
    "$build/vantara-replay" --state "$state" "$script" >"$work/desktop.txt"
    node "$web/vantara-replay.js" --state "$state" "$script" >"$work/web.txt"
    if cmp -s "$work/desktop.txt" "$work/web.txt"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: replay $state prints other bytes under Node"
    fi
done
echo "replays under Node: $passed passed, $failed failed"
[ "$failed" -eq 0 ] || status=1

# The desktop runner's pictures of the frames the browser test photographs, at its size.
picture() { # NAME STATE FRAME SCRIPT-LINES...
    local name=$1 state=$2 frame=$3
    shift 3
    printf '%s\n' "$@" | "$build/vantara-replay" --state "$state" --png "$frame" "$work/$name-full.png" - >/dev/null &&
        convert "$work/$name-full.png" -resize 960x540 "$work/$name.png"
}
picture splash 1 0 '0 - 0 0 0' &&
    picture menu 1 30 '1 SPACE 0 0 0' '2 - 0 0 0' '3 SPACE 0 0 0' '4 - 0 0 0' '30 - 0 0 0' &&
    picture level1 7 0 '0 - 0 0 0' || { echo "FAIL: the desktop runner drew no pictures"; exit 1; }
# The frame on which the desktop runner's Tutorial 1 replay leaves for Tutorial 2.
"$build/vantara-replay" --state 3 tests/levels/replays/3.txt |
    sed -n 's/^{"frame": \([0-9]*\), "state": 3, "next": 4,.*/\1/p' | head -1 >"$work/tutorial.txt"
[ -s "$work/tutorial.txt" ] || { echo "FAIL: the desktop runner did not finish Tutorial 1"; exit 1; }

start=$SECONDS
node tests/web/browser_test.js "$web/site" "$work" || status=1
echo "browser test: $((SECONDS - start)) s"
exit $status
