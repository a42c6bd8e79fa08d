#!/usr/bin/env bash
# A level's load with two busy processes takes about twice as long as without them at most,
# never the seconds of a picture left with a starved background worker. Both from cold and
# with the level's pictures just asked for in the background (as a menu does), whose workers
# the busy processes starve. Idle and loaded loads take turns (the busy processes stopped and
# continued), and each loaded load is set against the idle one just before it, so that a
# machine busy with other work slows both alike; the median of those ratios is judged.
# On two cores the level's backdrop, one picture decoded by one thread, gets at most two
# thirds of a core against two busy processes: about 1.7 times its idle load is the floor
# there, so the bound leaves room above twice for a machine shared with other work.
#   fair_load.sh COLD_LOAD_TIME STATE
set -uo pipefail
timer=$1
state=$2
pairs=7
bound=2.5

yes > /dev/null &
load1=$!
yes > /dev/null &
load2=$!
trap 'kill -KILL $load1 $load2 2>/dev/null || :' EXIT
declare -A times ratios
for _ in $(seq $pairs); do
    for mode in cold ahead; do
        kill -STOP $load1 $load2
        idle=$("$timer" "$state" ${mode#cold}) || { echo "FAIL: the idle $mode load did not run"; exit 1; }
        kill -CONT $load1 $load2
        loaded=$("$timer" "$state" ${mode#cold}) || { echo "FAIL: the loaded $mode load did not run"; exit 1; }
        times[$mode]+="$idle/$loaded "
        ratios[$mode]+="$(awk -v i="$idle" -v l="$loaded" 'BEGIN { print l / i }') "
    done
done

median() { printf '%s\n' $1 | sort -g | sed -n "$(( ($(wc -w <<< "$1") + 1) / 2 ))p"; }
failed=0
for mode in cold ahead; do
    ratio=$(median "${ratios[$mode]}")
    echo "state $state, $mode load, idle/loaded ms: ${times[$mode]}; median ratio $ratio"
    if ! awk -v r="$ratio" -v b="$bound" 'BEGIN { exit !(r <= b) }'; then
        echo "FAIL: with two busy processes the $mode load took more than $bound times the idle one"
        failed=1
    fi
done
echo "fair load: $((2 - failed)) passed, $failed failed"
exit $failed
