#!/usr/bin/env bash
# idle_benchmark.sh: the main thread's share of a core while the game idles in the main menu,
# on a small virtual screen where the software rasteriser costs little; then, with
# --frame-stats, the game's own frame statistics. Run by hand (needs xvfb-run):
#   tests/frontend/idle_benchmark.sh build/vantara [seconds] [extra arguments for the game]
# A benchmark, not a test: on a busy machine the numbers say as much about the machine.
set -uo pipefail
if [[ -z ${IDLE_BENCHMARK_DISPLAY:-} ]]; then
    IDLE_BENCHMARK_DISPLAY=1 exec xvfb-run -a -s "-screen 0 640x360x24" "$0" "$@"
fi
game=$(realpath "$1")
seconds=${2:-5}
shift $(( $# > 1 ? 2 : 1 ))

measure() {
    "$game" "$@" > "$out" 2>/dev/null &
    pid=$!
    local ticks
    ticks=$(getconf CLK_TCK)
    # Idle in the menu: wait for the window, then skip the logos until the menu shows.
    find_window Vantara > /dev/null || fail "no window appeared"
    skip_splash
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
    sleep "$seconds"
    after=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
    kill -TERM "$pid"
    wait "$pid"
    awk -v a="$before" -v b="$after" -v t="$ticks" -v s="$seconds" \
        'BEGIN { printf "main thread, idle main menu: %.1f%% of a core\n", (b - a) / t / s * 100 }'
    cat "$out"
}

fail() { echo "idle benchmark: $*" >&2; exit 1; }
shots=$(mktemp -d)
. "$(dirname "$0")/../e2e/waits.sh"
out=$(mktemp)
trap 'rm -rf "$out" "$shots"' EXIT
measure "$@"
