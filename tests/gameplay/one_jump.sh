#!/usr/bin/env bash
# One jump per press: standing on the joint of two or three floor pieces, the jump is the jump
# of one piece, frame for frame; and in Level_2 a jump on the joint of the lintel's pieces
# leaves and flies as one a step away on a single piece. The cases are the files in one_jump/.
set -uo pipefail
replay=$1
cases=$(cd "$(dirname "$0")" && pwd)/one_jump
passed=0 failed=0

# Every frame line of a run (the registry lines name the pieces, which differ).
frames() { "$replay" "$@" | grep -v '"registry"'; }
# "FRAME X VY GROUNDED" of a Level_2 run, from the jump's frame on.
flight() {
    frames --state 8 "$cases/$1" | awk '$2 + 0 >= 430' |
        sed 's/.*"frame": \([0-9]*\),.*"x": \([^,]*\),.*"vy": \([^,]*\), "grounded": \([a-z]*\),.*/\1 \2 \3 \4/'
}
check() { # WHAT, then a command that succeeds when it holds
    local what=$1
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAIL: $what"; fi
}

for arena in floor_2.arena floor_3.arena; do
    check "$arena jumps as one floor piece" cmp -s <(frames --arena "$cases/$arena" "$cases/jump.txt") \
        <(frames --arena "$cases/floor_1.arena" "$cases/jump.txt")
done

joint=$(flight level2_joint.txt)
away=$(flight level2_away.txt)
read -r _ joint_x joint_vy _ <<< "$joint"
read -r _ away_x away_vy _ <<< "$away"
# The scripts still stand the player on the joint at x = 150 (the feet are 50 wide) and clear
# of it, and both take the jump.
check "Level_2 jumps from x $joint_x (vy $joint_vy) and x $away_x (vy $away_vy)" awk \
    -v j="$joint_x" -v a="$away_x" -v jv="$joint_vy" -v av="$away_vy" \
    'BEGIN { exit !(j > 125 && j < 175 && (a > 175 || a < 125) && jv > 400 && av > 400) }'
check "Level_2's jump on the joint flies as one a step away" \
    test "$(cut -d' ' -f1,3,4 <<< "$joint")" == "$(cut -d' ' -f1,3,4 <<< "$away")"

echo "one jump per press: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
