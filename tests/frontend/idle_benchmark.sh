#!/usr/bin/env bash
# idle_benchmark.sh: the main thread's share of a core while the game idles in the main menu,
# or with Level 1 paused, on a small virtual screen where the software rasteriser costs little;
# then, with --frame-stats, the game's own frame statistics. Run by hand (needs xvfb-run):
#   tests/frontend/idle_benchmark.sh build/vantara [seconds] [menu|paused] [extra arguments]
# A benchmark, not a test: on a busy machine the numbers say as much about the machine.
set -uo pipefail
if [[ -z ${IDLE_BENCHMARK_DISPLAY:-} ]]; then
    IDLE_BENCHMARK_DISPLAY=1 exec xvfb-run -a -s "-screen 0 640x360x24" "$0" "$@"
fi
game=$(realpath "$1")
seconds=${2:-5}
where=${3:-menu}
shift $(( $# > 2 ? 3 : $# ))

# A desktop has a window manager to answer the game's full-screen request; without one, SDL
# waits a tenth of a second for an answer that never comes, and the first frame with it.
start_window_manager() {
    openbox > /dev/null 2>&1 &
    wm=$!
    until_true 120 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' ||
        fail "the window manager did not start"
}

measure() {
    start_window_manager
    "$game" "$@" > "$out" 2>"$out.err" &
    pid=$!
    local ticks
    ticks=$(getconf CLK_TCK)
    # Idle in the menu: wait for the window, then skip the logos until the menu shows.
    window=$(find_window Vantara) || fail "no window appeared: $(cat "$out.err")"
    skip_splash
    if [[ $where == paused ]]; then
        # Play, then Escape once the level shows: the pause window over Level 1.
        xdotool mousemove --window "$window" $((320 - 125)) $((180 + 58)) click 1
        until_true 120 level_shows || fail "Play did not start the level"
        xdotool key Escape
    fi
    local before after
    before=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
    sleep "$seconds"
    after=$(awk '{print $14 + $15}' "/proc/$pid/task/$pid/stat")
    kill -TERM "$pid"
    wait "$pid"
    awk -v a="$before" -v b="$after" -v t="$ticks" -v s="$seconds" \
        -v w="$where" 'BEGIN { printf "main thread, idle (%s): %.1f%% of a core\n", w, (b - a) / t / s * 100 }'
    cat "$out"
}

level_shows() {
    shot level
    [ "$(compare -metric AE -fuzz 5% "$shots/menu.png" "$shots/level.png" null: 2>&1 | awk '{printf "%d", $1}')" -gt 20000 ]
}

fail() { echo "idle benchmark: $*" >&2; exit 1; }
shots=$(mktemp -d)
. "$(dirname "$0")/../e2e/waits.sh"
out=$(mktemp)
# Its own lock, settings and best times: another copy of the game may run beside it.
export XDG_RUNTIME_DIR=$shots XDG_CONFIG_HOME=$shots/config XDG_DATA_HOME=$shots/data
wm=
trap 'kill $wm 2>/dev/null; rm -rf "$out" "$out.err" "$shots"' EXIT
measure "$@"
