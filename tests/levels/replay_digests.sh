#!/usr/bin/env bash
# The same scripts print the same bytes as they always have: each case of replay_digests.txt
# is played and its output's SHA-256 compared with the one recorded there. The cases cross
# state switches where pictures are decoded ahead on worker threads (main menu to selector to
# level, level to level, level to win screen), so any effect of the threads on the output
# would show; and every level's committed replay is played whole. The runner may be a command
# of several words (a runner built for another system, under its loader). After a deliberate
# change of the output, record new digests with
#   tests/levels/replay_digests.sh build/vantara-replay --record > tests/levels/replay_digests.txt
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
record=
replay=("$@")
if [[ ${replay[-1]} == --record ]]; then
    record=--record
    unset 'replay[-1]'
fi

play() { # NAME: the case's output on standard output
    local replays=$here/replays
    case $1 in
    level1-on) "${replay[@]}" --state 7 --frames 1300 "$replays/7.txt" ;;
    level9-win) "${replay[@]}" --state 15 --frames 600 "$replays/15.txt" ;;
    menu-selector-level) printf '%s\n' '1 ESC 0 0 0' '2 - 0 0 0' '3 ESC 0 0 0' '4 - 0 0 0' \
        '30 - 0 -175 1' '31 - 0 -175 0' '60 - -800 -50 1' '61 - -800 -50 0' '200 - 0 0 0' |
        "${replay[@]}" --state 1 - ;;
    tutorial) "${replay[@]}" --state 3 --frames 360 "$replays/3.txt" ;;
    replay-*) "${replay[@]}" --state "${1#replay-}" "$replays/${1#replay-}.txt" ;;
    esac
}

cases=(level1-on level9-win menu-selector-level tutorial)
for state in 3 4 5 6 7 8 9 10 11 12 13 14 15; do cases+=("replay-$state"); done
if [[ $record == --record ]]; then
    echo "# SHA-256 of vantara-replay's output per case of replay_digests.sh"
    for name in "${cases[@]}"; do echo "$(play "$name" | sha256sum | cut -d' ' -f1) $name"; done
    exit 0
fi
passed=0 failed=0
for name in "${cases[@]}"; do
    want=$(awk -v n="$name" '$2 == n { print $1 }' "$here/replay_digests.txt")
    got=$(play "$name" | sha256sum | cut -d' ' -f1)
    if [[ -n $want && $got == "$want" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name printed $got, recorded ${want:-nothing}"
    fi
done
echo "replay digests: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
