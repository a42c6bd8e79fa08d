#!/usr/bin/env bash
# The editor end to end, as the runner plays the whole game: from the main menu's Make, a
# platform picked from the palette and placed with the mouse, a test-play started with the
# tool bar's Play that runs to the exit and comes back to the editor, then Escape, which
# asks about the unsaved change instead of leaving, and "Don't save", which leaves.
# Usage: make_and_test_play.sh VANTARA_REPLAY
set -uo pipefail
replay=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# Frames: the splash skipped (Escape twice), Make clicked, the Platform entry clicked, a click
# on the canvas at (100, -200), Play clicked; D held through the test-play; back in the
# editor, Escape (the selection goes), Escape (the question), and "Don't save" clicked.
printf '%s\n' '1 ESC 0 0 0' '2 - 0 0 0' '3 ESC 0 0 0' '4 - 0 0 0' \
    '30 - -265 -315 1' '31 - -265 -315 0' \
    '60 - -865 367 1' '61 - -865 367 0' '70 - 100 -200 1' '71 - 100 -200 0' \
    '80 - -506 505 1' '81 - -506 505 0' '120 D -506 505 0' '400 - -506 505 0' \
    '460 ESC 0 0 0' '461 - 0 0 0' '470 ESC 0 0 0' '471 - 0 0 0' \
    '520 - 0 -60 1' '521 - 0 -60 0' '560 - 0 0 0' |
    "$replay" --state 1 - > "$out" || { echo "FAIL: the runner stopped"; exit 1; }

fail=0
# The states the run went through, each once in turn.
states=$(grep -o '"state": [0-9-]*' "$out" | awk '{print $2}' | uniq | tr '\n' ' ')
[[ $states == "1 25 24 25 1 " ]] || { echo "FAIL: states $states, wanted 1 25 24 25 1"; fail=1; }
# The test-play reached the exit.
grep -q '"state": 24.*"event": "complete"' "$out" || { echo "FAIL: the test-play did not finish"; fail=1; }
# The platform stands where the click put it, its lower-left corner on the 25 grid:
# (100, -200) on screen is (5.9, -229.4) in the level at the first zoom.
grep -q '{"name": "Platform", "kind": 5, "x": 0, "y": -225, "w": 300, "h": 50' "$out" ||
    { echo "FAIL: no platform at (0, -225) in the tested level"; fail=1; }
# Escape with an unsaved change stays in the editor until the question is answered.
stayed=$(awk -F'"frame": ' '/"state": 25/ {split($2, f, ","); if (f[1] >= 470 && f[1] < 520) n++} END {print n + 0}' "$out")
[[ $stayed -ge 45 ]] || { echo "FAIL: left the editor before the question was answered ($stayed frames)"; fail=1; }
[[ $fail -eq 0 ]] && echo "editor: made, test-played, asked and left"
exit $fail
