#!/usr/bin/env bash
# The replay runner's command line: every kind of bad input is refused before a frame runs,
# naming the file and line, but for a last line cut off as it was written; one script always
# prints the same bytes; and what scripts name plays as the game does (a closed window, a
# minimise, the pad).
set -uo pipefail
replay=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

printf '14 0 -500 1920 100 Floor\nplayer 0 -410\n' > "$work/ok.arena"
printf '0 - 0 0 0\n30 D+SPACE 10.5 -20 1\n31 D 10.5 -20 0\n' > "$work/ok.txt"

# refuse EXPECTED_STDERR_PREFIX ARGS...: exit 2, no stdout, one stderr line with that prefix.
refuse() {
    local expected=$1
    shift
    "$replay" "$@" > "$work/out" 2> "$work/err"
    local code=$?
    local lines
    lines=$(wc -l < "$work/err")
    if [[ $code -ne 2 || -s "$work/out" || $lines -ne 1 ]] || ! grep -q "^$expected" "$work/err"; then
        echo "FAIL: $* gave exit $code, stdout $(wc -c < "$work/out") bytes, stderr: $(cat "$work/err")"
        failures=$((failures + 1))
    fi
}

script() { printf -- "$1" > "$work/bad.txt"; }
script '0 - 0 0 0\n5 A+XX 0 0 0\n';     refuse "$work/bad.txt:2: unknown key 'XX'" --arena "$work/ok.arena" "$work/bad.txt"
script '# a comment\n0 - 0 0\n';        refuse "$work/bad.txt:2: expected" --arena "$work/ok.arena" "$work/bad.txt"
script '5 - 0 0 0\n\n5 D 0 0 0\n';      refuse "$work/bad.txt:3: frame 5 does not come after" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 2\n';                   refuse "$work/bad.txt:1: LMB" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - nan 0 0\n';                 refuse "$work/bad.txt:1: MOUSE_X" --arena "$work/ok.arena" "$work/bad.txt"
script '-1 - 0 0 0\n';                  refuse "$work/bad.txt:1: frame" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 dt=nan\n';            refuse "$work/bad.txt:1: dt 'nan' is not a number" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 dt=-0.1\n';           refuse "$work/bad.txt:1: dt '-0.1'" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 dt=5000\n';           refuse "$work/bad.txt:1: dt '5000'" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 dt\n';                refuse "$work/bad.txt:1: dt ''" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 dt=0.1 dt=0.1\n';     refuse "$work/bad.txt:1: dt is given twice" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 speed=2\n';           refuse "$work/bad.txt:1: unknown field 'speed'" --arena "$work/ok.arena" "$work/bad.txt"
printf '0 - 0 0 0\n3 Q+A+ 0 0 0\n' | refuse "-:2: unknown key ''" --arena "$work/ok.arena" -
script '0 PAD_A+PAD_Z 0 0 0\n';          refuse "$work/bad.txt:1: unknown key 'PAD_Z'" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 lx=0.5 dx=1\n';        refuse "$work/bad.txt:1: unknown field 'dx'" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0\n1 - 0 0 0 ry=1.01\n'; refuse "$work/bad.txt:2: ry '1.01' is not a number from -1 to 1" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 rx=-2\n';              refuse "$work/bad.txt:1: rx '-2' is not" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 lx=nan\n';             refuse "$work/bad.txt:1: lx 'nan' is not" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 lx\n';                 refuse "$work/bad.txt:1: lx '' is not" --arena "$work/ok.arena" "$work/bad.txt"
script '0 - 0 0 0 ly=1 ly=-1\n';         refuse "$work/bad.txt:1: ly is given twice" --arena "$work/ok.arena" "$work/bad.txt"

printf '14 0 0 10 10\n2 0 0 10 10\nplayer 0 0\n' > "$work/bad.arena"
refuse "$work/bad.arena:2: unknown kind 2" --arena "$work/bad.arena" "$work/ok.txt"
printf 'player 0 0\nplayer 5 5\n' > "$work/bad.arena"
refuse "$work/bad.arena:2: a second player" --arena "$work/bad.arena" "$work/ok.txt"
printf '14 0 0 10 10 player\nplayer 0 0\n' > "$work/bad.arena"
refuse "$work/bad.arena:1: only the player" --arena "$work/bad.arena" "$work/ok.txt"
printf 'enemy 0 0 10 10 1.5 3 0\nplayer 0 0\n' > "$work/bad.arena"
refuse "$work/bad.arena:1: enemy LEFT RIGHT" --arena "$work/bad.arena" "$work/ok.txt"
printf '14 0 0 10 10\n' > "$work/bad.arena"
refuse "$work/bad.arena:1: the arena has no player" --arena "$work/bad.arena" "$work/ok.txt"

refuse "vantara-replay: state 999 is not a state" --state 999 "$work/ok.txt"
refuse "vantara-replay: unknown option '--fast'" --fast "$work/ok.txt"
refuse "vantara-replay: --frames" --frames -3 "$work/ok.txt"
refuse "$work/missing.txt:0: cannot be read" --arena "$work/ok.arena" "$work/missing.txt"

# Two runs, one from a file and one from standard input, print the same bytes.
"$replay" --arena "$work/ok.arena" --frames 500 "$work/ok.txt" > "$work/a" || failures=$((failures + 1))
"$replay" --arena "$work/ok.arena" --frames 500 - < "$work/ok.txt" > "$work/b" || failures=$((failures + 1))
if ! cmp -s "$work/a" "$work/b"; then echo "FAIL: two runs of one script differ"; failures=$((failures + 1)); fi
# dt=0 is the steady 1/60 s of a line without dt.
sed 's/$/ dt=0/' "$work/ok.txt" | "$replay" --arena "$work/ok.arena" --frames 500 - > "$work/c" || failures=$((failures + 1))
if ! cmp -s "$work/a" "$work/c"; then echo "FAIL: dt=0 is not the default frame time"; failures=$((failures + 1)); fi
# One line per frame (the player runs off the floor's end, so registry lines follow each death).
frames=$(grep -c '"state"' "$work/a")
if [[ $frames -ne 500 ]]; then echo "FAIL: expected 500 frame lines, got $frames"; failures=$((failures + 1)); fi

# A last line cut off as it was written (here with the NULs a crash can leave) is left out with
# one line on standard error; CLOSE quits on its frame, even one that restarts; Level 1 pauses
# where the window manager minimised the window (MIN), never at Ctrl+Alt+Delete alone.
cut=$(printf '0 D 0 0 0\n40 - 0 0 0\n70 D 1.5 \0\0' | "$replay" --arena "$work/ok.arena" - 2> "$work/err" |
    tail -1 | grep -o '"frame": [0-9]*')
closed=$(printf '0 D 0 0 0\n10 CLOSE+R 0 0 0\n11 CLOSE 0 0 0\n' | "$replay" --arena "$work/ok.arena" --frames 500 - |
    tail -1 | grep -o '"frame": [0-9]*\|"quit"' | tr '\n' ' ')
paused() { printf "0 - 0 0 0\n60 CTRL+ALT+DELETE 0 0 0\n$1\n120 - 0 0 0\n" | "$replay" --state 7 - | tail -1 | grep -o 'paused": [a-z]*'; }
asked=$(paused '62 - 0 0 0') minimised=$(paused '61 MIN 0 0 0\n90 - 0 0 0')
if [[ $cut != '"frame": 40' || $(wc -l < "$work/err") -ne 1 || $(cat "$work/err") != "-:3: the last line is cut off"* ||
      $closed != '"frame": 11 "quit" ' || $asked != 'paused": false' || $minimised != 'paused": true' ]]; then
    echo "FAIL: cut off: $cut, $(cat "$work/err"); closed: $closed; Ctrl+Alt+Delete: $asked; MIN: $minimised"
    failures=$((failures + 1))
fi

# The pad: its D-pad runs as D does, its stick pushed a quarter of the way too, a lighter push
# (inside the dead zone) not at all; the whole line of the player after 60 frames is the same.
player_at() { "$replay" --arena "$work/ok.arena" --frames 60 - | tail -1 | grep -o '"x": [^,]*'; }
by_key=$(printf '0 D 0 0 0\n' | player_at)
by_dpad=$(printf '0 PAD_RIGHT 0 0 0\n' | player_at)
by_stick=$(printf '0 - 0 0 0 lx=0.5\n' | player_at)
by_light=$(printf '0 - 0 0 0 lx=0.2\n' | player_at)
still=$(printf '0 - 0 0 0\n' | player_at)
if [[ $by_dpad != "$by_key" || $by_stick != "$by_key" || $by_light != "$still" || $by_key == "$still" ]]; then
    echo "FAIL: running by pad: key $by_key, D-pad $by_dpad, stick $by_stick, light push $by_light, still $still"
    failures=$((failures + 1))
fi
# The pad's right trigger fires the hook: at rest up and forward at 45 degrees (the tip 80 units
# out on the firing frame, 20 more on the next), or along the right stick.
tip() { "$replay" --arena "$work/ok.arena" --frames 32 - | tail -1 | grep -o '"tipX": [^,]*, "tipY": [^,]*'; }
at_rest=$(printf '30 PAD_RT 0 0 0\n' | tip)
leftwards=$(printf '30 PAD_RT 0 0 0 rx=-1\n' | tip)
if [[ $at_rest != '"tipX": 70.7106781, "tipY": -339.289307' || $leftwards != '"tipX": -100, "tipY": -410' ]]; then
    echo "FAIL: the pad's aim: at rest $at_rest, along the stick to the left $leftwards"
    failures=$((failures + 1))
fi

echo "replay command line: $failures failed"
exit $((failures > 0))
