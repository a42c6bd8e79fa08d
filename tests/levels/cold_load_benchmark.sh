#!/usr/bin/env bash
# cold_load_benchmark.sh: what a state's Load costs a freshly started program: one frame of
# the state through vantara-replay, less one frame of a one-floor arena; the best of several
# runs, since a busy machine only ever makes a run slower. Also the processor time of all the
# program's threads, less the arena's: what the load costs the machine. Run by hand:
#   tests/levels/cold_load_benchmark.sh build/vantara-replay [runs]
set -uo pipefail
replay=$1
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '14 0 -500 1920 100 Floor\nplayer 0 -410\n' > "$work/floor.arena"
printf '0 - 0 0 0\n' > "$work/one.txt"

best() { # "WALL CPU": the least wall-clock and processor milliseconds of `runs` runs
    local least=999999 leastCpu=999999 wall cpu
    for _ in $(seq "$runs"); do
        read -r wall cpu < <(/usr/bin/time -f '%e %U %S' "$@" 2>&1 > /dev/null | tail -1 |
            awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }')
        (( wall < least )) && least=$wall
        (( cpu < leastCpu )) && leastCpu=$cpu
    done
    echo "$least $leastCpu"
}

read -r arena arenaCpu < <(best "$replay" --arena "$work/floor.arena" --frames 1 "$work/one.txt")
echo "arena baseline: $arena ms, $arenaCpu ms of processor time"
for state in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15; do
    read -r ms cpu < <(best "$replay" --state "$state" --frames 1 "$work/one.txt")
    echo "state $state: +$(( ms - arena )) ms, processor +$(( cpu - arenaCpu )) ms"
done
