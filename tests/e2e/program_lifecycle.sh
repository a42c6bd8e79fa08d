#!/usr/bin/env bash
# The real program under X: quitting with Ctrl+Q and Alt+F4, closing the window, a second
# copy, and a machine with no display.
# Usage: program_lifecycle.sh <vantara binary> <xclose binary> <case>
set -u
game=$1
xclose=$2
case_name=$3

export XDG_RUNTIME_DIR=$(mktemp -d)
export ALSOFT_DRIVERS=null
trap 'kill $pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
pid=

fail() { echo "FAIL: $*"; exit 1; }

start_game() {
  "$game" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantara$' | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  xdotool windowfocus --sync "$window"
  # The window exists before the renderer has started; keys pressed and released while the
  # game is still loading arrive in one frame and are (rightly) never seen as presses.
  sleep 1
}

# Presses a key chord the way a player does, held for a few frames, and waits for the game to
# end. On a loaded machine the first chord can still land while the game is loading, so it
# is pressed again (at most three times) while the game runs on.
quit_with() {
  for _ in 1 2 3; do
    xdotool key --delay 150 "$1"
    wait_exit 4
    [ "$code" = timeout ] || return
  done
}

# Waits up to $1 seconds for the game to end; sets code to its exit code or "timeout".
wait_exit() {
  code=timeout
  for _ in $(seq 1 $(($1 * 10))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"
      code=$?
      return
    fi
    sleep 0.1
  done
}

case "$case_name" in
  ctrl-q)
    start_game
    quit_with ctrl+q
    [ "$code" = 0 ] || fail "Ctrl+Q: exit $code"
    ;;
  alt-f4)
    start_game
    quit_with alt+F4
    [ "$code" = 0 ] || fail "Alt+F4: exit $code"
    ;;
  close-window)
    start_game
    "$xclose" "$window"
    wait_exit 5
    [ "$code" = 0 ] || fail "close box: exit $code"
    ;;
  second-instance)
    start_game
    start=$(date +%s%N)
    "$game" 2>/dev/null
    code=$?
    elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
    [ "$code" = 1 ] || fail "second copy: exit $code"
    [ "$elapsed_ms" -lt 1000 ] || fail "second copy took ${elapsed_ms} ms"
    windows=$(xdotool search --name '^Vantara$' | wc -l)
    [ "$windows" = 1 ] || fail "second copy made a window ($windows windows)"
    quit_with ctrl+q
    [ "$code" = 0 ] || fail "first copy: exit $code"
    ;;
  no-display)
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" 2>"$XDG_RUNTIME_DIR/stderr"
    code=$?
    [ "$code" != 0 ] || fail "no display reported success"
    grep -q "cannot open a display" "$XDG_RUNTIME_DIR/stderr" || fail "no message: $(cat "$XDG_RUNTIME_DIR/stderr")"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
