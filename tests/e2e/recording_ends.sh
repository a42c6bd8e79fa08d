#!/usr/bin/env bash
# Recorded sessions that end without the game's own quit keys, played back by vantara-replay to
# the same end: the runner must quit on the very frame the recording noted.
#   wm-close  openbox closes the window at Alt+F4, before the game sees the F4.
#   sigterm   no window manager: Ctrl+Alt+Delete in Level 1 minimises nothing, the player runs
#             on into the spikes, and SIGTERM ends the game. The same recording cut off in the
#             middle of its last line (a full disk, kill -9) still plays, in the runner and
#             with --play, after one line on standard error.
# Usage: recording_ends.sh <vantara binary> <vantara-replay binary> <case>
set -u
game=$1
replay=$2
case_name=$3
shots="$PWD/e2e"
mkdir -p "$shots"
. "$(dirname "$0")/waits.sh"

export XDG_RUNTIME_DIR=$(mktemp -d)
# Settings and best times of a test stay in its own folders, never in the real home.
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config XDG_DATA_HOME=$XDG_RUNTIME_DIR/data
export ALSOFT_DRIVERS=null
work=$XDG_RUNTIME_DIR
rec=$work/session.txt
pid=
wm=
# The recording is kept with the build for people to look at.
trap 'kill $pid $wm 2>/dev/null; cp "$rec" "$shots/recording-$case_name.txt" 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; [ -f "$rec" ] && tail -3 "$rec"; exit 1; }

has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; }
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wm=$!
  until_true 120 has_window_manager || fail "the window manager did not start"
}

noted() { grep -q -- "$1" "$rec" 2>/dev/null; }
frames() { grep -c '^[0-9]' "$rec" 2>/dev/null; }
# wait_frames N: the game has written N more frames, so a press held that long is seen.
wait_frames() {
  local want=$(($(frames) + $1))
  until_true 60 eval '[ "$(frames)" -ge '"$want"' ]'
}

start_recording() {
  "$game" --record "$rec" 2>"$work/stderr" &
  pid=$!
  window=$(find_window Vantara) || fail "no window appeared: $(cat "$work/stderr")"
  xdotool windowfocus --sync "$window"
  until_true 120 noted '# state 1' || fail "the recording has no frame of the menu"
}

# The recording's events ("FRAME EVENT" lines) against the runner's, from its JSON in $1.
events_alike() {
  grep -o '^[0-9]* .*# .*\(complete\|died\|restart\|quit\)' "$rec" |
    sed -E 's/^([0-9]+) .* (complete|died|restart|quit)$/\1 \2/' > "$work/live"
  grep -o '"frame": [0-9]*, "state".*"event": "[a-z]*"' "$1" |
    sed -E 's/"frame": ([0-9]+),.*"event": "([a-z]+)"/\1 \2/' > "$work/replayed"
  diff "$work/live" "$work/replayed" > "$work/diff" || fail "the replay differs: $(head "$work/diff")"
}

# The session ended by a close: its last line holds CLOSE and notes the quit, and the runner
# plays it to that quit on that frame.
check_replay() {
  local last
  last=$(grep '^[0-9]' "$rec" | tail -1)
  [[ $last =~ ^([0-9]+)\ [^\ ]*CLOSE.*#.*quit$ ]] || fail "the last line is no recorded close: $last"
  quit_frame=${BASH_REMATCH[1]}
  "$replay" "$rec" > "$work/json" 2> "$work/replay-stderr" ||
    fail "the runner refused the recording: $(cat "$work/replay-stderr")"
  events_alike "$work/json"
  [ "$(tail -1 "$work/live")" = "$quit_frame quit" ] || fail "no quit on frame $quit_frame"
}

case "$case_name" in
  wm-close)
    start_window_manager
    start_recording
    wait_frames 30 || fail "the menu stopped"
    xdotool key alt+F4
    wait_exit 120
    [ "$code" = 0 ] || fail "the window manager's close: exit $code, $(cat "$work/stderr")"
    check_replay
    ;;
  sigterm)
    start_recording
    # Clicks on Play skip the two logos and then start Level 1.
    xdotool mousemove --window "$window" $((960 - 375)) $((540 + 175))
    until_true 180 eval 'xdotool mousedown 1; wait_frames 2; xdotool mouseup 1; noted "# state 7"' ||
      fail "Play did not start Level 1"
    wait_frames 10
    xdotool keydown ctrl keydown alt keydown Delete
    wait_frames 2
    xdotool keyup Delete keyup alt keyup ctrl
    noted '^[0-9]* CTRL+ALT+DELETE' || fail "Ctrl+Alt+Delete was not recorded"
    # A run to the right with Space tapped over and over, into the spikes.
    xdotool keydown d
    until_true 180 eval 'xdotool key space; wait_frames 8; noted " died"'
    xdotool keyup d
    noted ' died' || fail "running into the spikes did not kill"
    ! noted '^[0-9]* [^ ]*MIN' || fail "a window with no window manager was recorded minimised"
    kill -TERM "$pid"
    wait_exit 120
    [ "$code" = 0 ] || fail "SIGTERM: exit $code, $(cat "$work/stderr")"
    check_replay

    # Cut off after the second field of its last line, the recording plays to the line before.
    cut=$work/cut.txt
    head -n -1 "$rec" > "$cut"
    printf '%s' "$(tail -1 "$rec" | cut -d' ' -f1-2)" >> "$cut"
    "$replay" "$cut" > "$work/json" 2> "$work/replay-stderr" ||
      fail "the runner refused a cut-off recording: $(cat "$work/replay-stderr")"
    [ "$(wc -l < "$work/replay-stderr")" = 1 ] && grep -q 'last line is cut off' "$work/replay-stderr" ||
      fail "the runner said: $(cat "$work/replay-stderr")"
    grep -q "\"frame\": $((quit_frame - 1)), \"state\"" <(tail -1 "$work/json") ||
      fail "the cut-off recording did not play to frame $((quit_frame - 1))"
    "$game" --play "$cut" 2>"$work/stderr" &
    pid=$!
    window=$(find_window Vantara) || fail "--play refused a cut-off recording: $(cat "$work/stderr")"
    kill -TERM "$pid"
    wait_exit 120
    [ "$code" = 0 ] || fail "--play ended with $code"
    [ "$(grep -c 'last line is cut off' "$work/stderr")" = 1 ] ||
      fail "--play said: $(cat "$work/stderr")"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name ends on frame $quit_frame in the recording and in the runner"
