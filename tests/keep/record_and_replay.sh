#!/usr/bin/env bash
# A real session recorded with --record under X, played with the keyboard and mouse through
# xdotool (Play, a run and jumps into the spikes until two deaths, a restart, a quit), then
# played back headless by vantara-replay: the runner must see the same events on the same
# frames, and the same states, as the game noted in the recording while it was played. Played
# back in the window with --play, it quits by itself as it did. The recording is left in the
# build folder as record_and_replay.txt.
# Usage: record_and_replay.sh <vantara binary> <vantara-replay binary>
set -u
game=$1
replay=$2
work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export ALSOFT_DRIVERS=null
rec=$work/session.txt
pid=
trap 'kill $pid 2>/dev/null; cp "$rec" "$PWD/record_and_replay.txt" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; [ -f "$rec" ] && tail -5 "$rec"; exit 1; }

# Waits (polling, up to $2 seconds) until the recording holds at least $3 lines matching $1.
wait_for() {
  local pattern=$1 limit=$2 count=${3:-1}
  for _ in $(seq $((limit * 10))); do
    [ "$(grep -c -- "$pattern" "$rec" 2>/dev/null)" -ge "$count" ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Waits until the game has written $1 more frames: a press held that long is seen by a frame.
wait_frames() {
  local from
  from=$(grep -c '^[0-9]' "$rec")
  for _ in $(seq 300); do
    [ "$(grep -c '^[0-9]' "$rec")" -ge $((from + $1)) ] && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

"$game" --record "$rec" 2>"$work/stderr" &
pid=$!
window=$(timeout 30 xdotool search --sync --name '^Vantara$' | head -n 1)
[ -n "$window" ] || fail "no window appeared"
xdotool windowfocus --sync "$window"
wait_for '# state 1' 30 || fail "the recording has no frame of the menu"

# Clicks on Play skip the two logos and then start Level 1.
xdotool mousemove --window "$window" $((960 - 375)) $((540 + 175))
for _ in $(seq 10); do
  xdotool mousedown 1; wait_frames 2; xdotool mouseup 1
  wait_for '# state 7' 5 && break
done
wait_for '# state 7' 1 || fail "Play did not start Level 1"

# A run to the right with Space tapped over and over. (A jump held from the level's first
# frames can leave the player wedged on the first step when frames are long, a fresh one not.)
xdotool keydown d
for _ in $(seq 150); do
  [ "$(grep -c ' died' "$rec")" -ge 2 ] && break
  xdotool key space
  wait_frames 8 || break
done
xdotool keyup d
wait_for ' died' 1 2 || fail "running into the spikes did not kill twice"
restarts=$(grep -c ' restart' "$rec")
xdotool keydown r
wait_for ' restart' 30 $((restarts + 1)) || fail "R did not restart"
xdotool keyup r
for _ in 1 2 3; do
  xdotool keydown ctrl keydown q; wait_for ' quit' 5 && break; xdotool keyup q keyup ctrl
done
for _ in $(seq 300); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "the game did not end well: $(cat "$work/stderr")"
xdotool keyup q keyup ctrl

# What the game did, from the recording's notes, and what the runner does with it.
grep -o '^[0-9]* .*# .*\(complete\|died\|restart\|quit\)' "$rec" |
  sed -E 's/^([0-9]+) .* (complete|died|restart|quit)$/\1 \2/' > "$work/live"
"$replay" "$rec" > "$work/json" 2>"$work/replay-stderr" || fail "the runner refused: $(cat "$work/replay-stderr")"
grep -o '"frame": [0-9]*, "state".*"event": "[a-z]*"' "$work/json" |
  sed -E 's/"frame": ([0-9]+),.*"event": "([a-z]+)"/\1 \2/' > "$work/replayed"
diff "$work/live" "$work/replayed" > "$work/diff" || fail "the replay differs from the session: $(head "$work/diff")"
deaths=$(grep -c ' died' "$work/live")
[ "$deaths" -ge 2 ] || fail "only $deaths deaths"
grep -q ' quit$' "$work/live" || fail "no quit at the end"
# Played back in the window, the session ends by itself with the recorded Ctrl+Q.
timeout 180 "$game" --play "$rec" 2>"$work/play-stderr" ||
  fail "--play did not end with the recorded quit: $(cat "$work/play-stderr")"
lines=$(grep -c '^[0-9]' "$rec")
last=$(grep '^[0-9]' "$rec" | tail -1 | cut -d' ' -f1)
[ "$lines" = $((last + 1)) ] || fail "$lines lines for frames 0 to $last: a frame is missing"
echo "record and replay: $(wc -l < "$work/live") events of $lines frames alike; 1 passed, 0 failed"
