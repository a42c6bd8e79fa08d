#!/usr/bin/env bash
# A level finished by the game pad alone: the level's committed replay is turned into pad input
# (A and D become the D-pad, Space and W the pad's A, S its X, R its Back, Escape its Start,
# and each click the right trigger with the right stick pointing from the player at the
# clicked point), played with no key and no mouse, and must reach the exit without a death.
# Then, on the win screen that follows, the pad's A goes back to the main menu.
#
#     pad_replay.sh VANTARA_REPLAY REPLAYS_FOLDER STATE
set -uo pipefail
replay=$1
folder=$2
state=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Where the player stands after every frame of the keyboard-and-mouse run.
"$replay" --state "$state" "$folder/$state.txt" > "$work/mouse.json" || fail "the committed replay does not run"
grep -o '"frame": [0-9]*, "state": [-0-9]*, "next": [-0-9]*, "x": [-0-9.e]*, "y": [-0-9.e]*' "$work/mouse.json" |
    awk -F'[:,] *' '{ print $2, $8, $10 }' > "$work/positions"

awk -v positions="$work/positions" '
BEGIN {
    while ((getline line < positions) > 0) { split(line, f, " "); x[f[1]] = f[2]; y[f[1]] = f[3] }
    name["A"] = "PAD_LEFT"; name["D"] = "PAD_RIGHT"; name["SPACE"] = "PAD_A"; name["W"] = "PAD_A"
    name["S"] = "PAD_X"; name["R"] = "PAD_BACK"; name["ESC"] = "PAD_START"
}
/^[ \t]*(#|$)/ { next }
{
    frame = $1; keys = ""; n = split($2, held, "+")
    for (i = 1; i <= n && $2 != "-"; ++i) {
        if (!(held[i] in name)) { print "no pad button stands for " held[i] > "/dev/stderr"; exit 3 }
        if (index("+" keys "+", "+" name[held[i]] "+") == 0) keys = keys (keys == "" ? "" : "+") name[held[i]]
    }
    if ($5 == 1) {
        if (!wasDown) {
            # Aim from where the player stands as the frame begins at the clicked point: the
            # level camera shows world units at the runner window pixels.
            dx = $3 - x[frame - 1]; dy = $4 - y[frame - 1]; d = sqrt(dx * dx + dy * dy)
            aim = sprintf(" rx=%.6f ry=%.6f", dx / d, dy / d)
        }
        keys = keys (keys == "" ? "" : "+") "PAD_RT"
    } else aim = ""
    wasDown = $5 == 1
    print frame, (keys == "" ? "-" : keys), 0, 0, 0 aim
}' "$folder/$state.txt" > "$work/pad.txt" || fail "the replay cannot be turned into pad input"

grep -Eq '(^| |\+)(A|D|W|S|SPACE|R|ESC)( |\+)' "$work/pad.txt" && fail "a key is left in the pad script"
"$replay" --state "$state" "$work/pad.txt" > "$work/pad.json" || fail "the pad script is refused"
grep -q '"event": "died"' "$work/pad.json" && fail "the player died on the pad"
complete=$(grep '"event": "complete"' "$work/pad.json" | head -1 | grep -o '"frame": [0-9]*' | grep -o '[0-9]*')
[[ -n $complete ]] || fail "the pad never reached the exit of level $state"
echo "level $state finished by the pad on frame $complete"

# On the screen the level leads to, the pad's A goes back to the main menu.
last=$(tail -1 "$work/pad.txt" | cut -d' ' -f1)
press=$(( (complete > last ? complete : last) + 30 ))
{ cat "$work/pad.txt"; echo "$press PAD_A 0 0 0"; echo "$((press + 1)) - 0 0 0"; echo "$((press + 5)) - 0 0 0"; } > "$work/back.txt"
"$replay" --state "$state" "$work/back.txt" > "$work/back.json" || fail "the pad script is refused"
after=$(grep "\"frame\": $((press + 5)), \"state\"" "$work/back.json" | grep -o '"state": [-0-9]*' | grep -o '[-0-9]*$')
[[ $after == 1 ]] || fail "the pad's A on the screen after the level left state $after, not the main menu"
echo "pad replay of level $state: passed"
