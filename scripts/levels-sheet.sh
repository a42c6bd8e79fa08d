#!/usr/bin/env bash
# Draws the first frame of all thirteen levels and lays them out side by side, labelled, in
# build/levels_sheet.png: the levels at a glance. Needs a display (run it under xvfb-run) and
# a build (scripts/test.sh or scripts/run.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=([3]="Tutorial 1" [4]="Tutorial 2" [5]="Tutorial 3" [6]="Tutorial 4" [7]="Level 1"
       [8]="Level 2" [9]="Level 3" [10]="Level 4" [11]="Level 5" [12]="Level 6" [13]="Level 7"
       [14]="Level 8" [15]="Level 9")
tiles=()
for state in 3 4 5 6 7 8 9 10 11 12 13 14 15; do
    : | "$build/vantara-replay" --state "$state" --frames 1 --png 0 "$work/$state.png" - > /dev/null
    convert "$work/$state.png" -resize 640x360 "$work/$state-small.png"
    tiles+=(-label "${names[$state]} (state $state)" "$work/$state-small.png")
done
montage "${tiles[@]}" -tile 4x -geometry +8+8 -font DejaVu-Sans -pointsize 22 \
    -background '#202020' -fill white "$build/levels_sheet.png"
echo "levels sheet: $build/levels_sheet.png"
