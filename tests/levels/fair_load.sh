#!/usr/bin/env bash
# A level's load with two busy processes takes at most twice as long as without them: a
# picture the load waits for never sits with a starved background worker. Both from cold and
# with the level's pictures just asked for in the background (as a menu does), whose workers
# the busy processes starve. Idle and loaded loads take turns (the busy processes stopped and
# continued), so a machine that is slow or busy anyway slows both alike; medians are compared.
#   fair_load.sh COLD_LOAD_TIME STATE
set -uo pipefail
timer=$1
state=$2
pairs=7

yes > /dev/null &
load1=$!
yes > /dev/null &
load2=$!
trap 'kill -KILL $load1 $load2 2>/dev/null || :' EXIT
declare -A times
for _ in $(seq $pairs); do
    for busy in idle loaded; do
        if [ $busy = idle ]; then kill -STOP $load1 $load2; else kill -CONT $load1 $load2; fi
        for mode in cold ahead; do
            ms=$("$timer" "$state" 1 "$mode") || { echo "FAIL: the $busy $mode load did not run"; exit 1; }
            times[$mode.$busy]+="$ms "
        done
    done
done

median() { printf '%s\n' $1 | sort -g | sed -n "$(( ($(wc -w <<< "$1") + 1) / 2 ))p"; }
failed=0
for mode in cold ahead; do
    idle=$(median "${times[$mode.idle]}")
    loaded=$(median "${times[$mode.loaded]}")
    echo "state $state, $mode: idle ${times[$mode.idle]}ms; two busy processes ${times[$mode.loaded]}ms"
    echo "  medians: idle $idle ms, loaded $loaded ms"
    if ! awk -v i="$idle" -v l="$loaded" 'BEGIN { exit !(l <= 2 * i) }'; then
        echo "FAIL: with two busy processes the $mode load took more than twice the idle one"
        failed=1
    fi
done
echo "fair load: $((2 - failed)) passed, $failed failed"
exit $failed
