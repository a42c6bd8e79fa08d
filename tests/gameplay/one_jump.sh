#!/usr/bin/env bash
# One jump per press: standing on the joint of two or three floor pieces, the jump is the jump
# of one piece, frame for frame; and in Level_2 a jump on the joint of the lintel's pieces
# leaves and flies as one a step away on a single piece. The cases are the files in one_jump/.
set -uo pipefail
replay=$1
cases=$(cd "$(dirname "$0")" && pwd)/one_jump
failures=0
checks=0

# Every frame line of a run (the registry lines name the pieces, which differ).
frames() { "$replay" "$@" | grep -v '"registry"'; }

# The same frames from two arenas under one script.
same_as_one_piece() {
    local arena=$1
    checks=$((checks + 1))
    if ! cmp -s <(frames --arena "$cases/$arena" "$cases/jump.txt") \
        <(frames --arena "$cases/floor_1.arena" "$cases/jump.txt"); then
        echo "FAIL: $arena does not jump as one floor piece:"
        diff <(frames --arena "$cases/$arena" "$cases/jump.txt") \
            <(frames --arena "$cases/floor_1.arena" "$cases/jump.txt") | head -4
        failures=$((failures + 1))
    fi
}
same_as_one_piece floor_2.arena
same_as_one_piece floor_3.arena

# "FRAME X VY GROUNDED" from the jump's frame on.
flight() {
    frames --state 8 "$cases/$1" |
        sed -n 's/.*"frame": \([0-9]*\),.*"x": \([^,]*\),.*"vy": \([^,]*\), "grounded": \([a-z]*\),.*/\1 \2 \3 \4/p' |
        awk '$1 >= 430'
}
joint=$(flight level2_joint.txt)
away=$(flight level2_away.txt)
# The scripts still put the player where the cases say: on the joint at x = 150 (the feet are
# 50 wide), and clear of it; and both take the jump.
checks=$((checks + 2))
read -r _ joint_x joint_vy _ <<< "$joint"
read -r _ away_x away_vy _ <<< "$away"
if ! awk -v j="$joint_x" -v a="$away_x" -v jv="$joint_vy" -v av="$away_vy" \
    'BEGIN { exit !(j > 125 && j < 175 && (a > 175 || a < 125) && jv > 400 && av > 400) }'; then
    echo "FAIL: Level_2 jumps from x $joint_x (vy $joint_vy) and x $away_x (vy $away_vy)"
    failures=$((failures + 1))
fi
if [[ $(cut -d' ' -f1,3,4 <<< "$joint") != $(cut -d' ' -f1,3,4 <<< "$away") ]]; then
    echo "FAIL: Level_2's jump on the joint differs from one a step away:"
    diff <(cut -d' ' -f1,3,4 <<< "$joint") <(cut -d' ' -f1,3,4 <<< "$away") | head -4
    failures=$((failures + 1))
fi

echo "one jump per press: $((checks - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
