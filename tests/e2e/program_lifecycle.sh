#!/usr/bin/env bash
# The real program under X: quitting with Ctrl+Q (also on Russian and French keyboard layouts)
# and Alt+F4, closing the window, a second copy, and a machine with no display.
# Usage: program_lifecycle.sh <vantara binary> <xclose binary> <case>
set -u
game=$1
xclose=$2
case_name=$3
# Screenshots for people to look at, kept with the build (the tests run in the build folder).
shots="$PWD/e2e"

export XDG_RUNTIME_DIR=$(mktemp -d)
# Settings and best times of a test stay in its own folders, never in the real home.
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config XDG_DATA_HOME=$XDG_RUNTIME_DIR/data
export ALSOFT_DRIVERS=null
pid=
wm=
previous_layout=
# On any exit: stop what the test started and put back a keyboard layout it changed.
clean_up() {
  kill $pid $wm 2>/dev/null
  [ -z "$previous_layout" ] || setxkbmap "$previous_layout"
  rm -rf "$XDG_RUNTIME_DIR"
}
trap clean_up EXIT

# Full screen and minimising need a window manager; Xvfb alone has none.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
}

# Sets x, y, w, h to the game window's client position and size.
read_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
}

fail() { echo "FAIL: $*"; exit 1; }

# Switches the keyboard layout once the game is connected (Xvfb resets its keymap whenever its
# last client leaves); the exit trap puts the previous one back for the tests that follow.
use_layout() {
  previous_layout=$(setxkbmap -query | sed -n 's/^layout: *//p')
  setxkbmap "$1"
}

start_game() {
  "$game" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantara$' | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  xdotool windowfocus --sync "$window"
  # The window exists before the renderer has started; keys pressed and released while the
  # game is still loading arrive in one frame and are (rightly) never seen as presses.
  sleep 1
  # The program-wide keys wait until the two splash logos are gone: skip them, one press each
  # (a third press, should one land in the menu, does nothing there).
  for _ in 1 2 3; do
    xdotool keydown Escape; sleep 0.15; xdotool keyup Escape; sleep 0.3
  done
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
  ctrl-q-russian)
    # X keycode 24 is the key QWERTY prints as Q; a Russian layout prints a Cyrillic letter.
    start_game
    use_layout ru
    quit_with ctrl+24
    [ "$code" = 0 ] || fail "Ctrl+Q on a Russian layout: exit $code"
    ;;
  ctrl-q-french)
    # AZERTY prints Q on X keycode 38, the key QWERTY prints as A.
    start_game
    use_layout fr
    quit_with ctrl+38
    [ "$code" = 0 ] || fail "Ctrl+Q on a French layout: exit $code"
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
  fullscreen-toggle)
    start_window_manager
    start_game
    read_geometry
    [ "$x,$y,$w,$h" = "0,0,1920,1080" ] || fail "not full screen at start: $x,$y ${w}x$h"
    xdotool key --delay 150 F11
    sleep 1
    read_geometry
    windowed="$x,$y,$w,$h"
    [ "$x" -ge 100 ] && [ "$x" -le 120 ] && [ "$y" -ge 100 ] && [ "$y" -le 160 ] ||
      fail "windowed geometry not at 100, 100 (plus the frame): $windowed"
    xdotool key --delay 150 F11
    sleep 1
    read_geometry
    [ "$x,$y,$w,$h" = "0,0,1920,1080" ] || fail "second F11 not full screen: $x,$y ${w}x$h"
    xdotool key --delay 150 F11
    sleep 1
    read_geometry
    [ "$x,$y,$w,$h" = "$windowed" ] || fail "windowed geometry not remembered: $x,$y,$w,$h"
    quit_with ctrl+q
    [ "$code" = 0 ] || fail "exit $code"
    ;;
  minimise)
    start_window_manager
    start_game
    xdotool key --delay 150 ctrl+alt+Delete
    sleep 1
    xprop -id "$window" WM_STATE | grep -q "Iconic" || fail "not minimised: $(xprop -id "$window" WM_STATE)"
    kill "$pid"
    wait_exit 5
    ;;
  no-display)
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" 2>"$XDG_RUNTIME_DIR/stderr"
    code=$?
    [ "$code" != 0 ] || fail "no display reported success"
    grep -q "cannot open a display" "$XDG_RUNTIME_DIR/stderr" || fail "no message: $(cat "$XDG_RUNTIME_DIR/stderr")"
    ;;
  no-data)
    # A copy of the program with no data/ beside it, started from a folder without one.
    lonely="$XDG_RUNTIME_DIR/lonely"
    mkdir -p "$lonely"
    cp "$game" "$lonely/vantara"
    (cd / && exec "$lonely/vantara") &
    pid=$!
    # The message box appears; a player reads it and presses Enter.
    box=""
    for _ in $(seq 50); do
      box=$(xwininfo -root -tree 2>/dev/null | awk '/"Vantara"/ {print $1; exit}')
      [ -n "$box" ] && break
      sleep 0.1
    done
    [ -n "$box" ] || fail "no message box appeared"
    mkdir -p "$shots"
    import -window root "$shots/no-data.png" 2>/dev/null || true
    xdotool windowfocus "$box" 2>/dev/null
    xdotool key Return 2>/dev/null
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the game did not end after the message"; }
    wait "$pid"
    code=$?
    [ "$code" = 3 ] || fail "no data/ gave exit code $code, not 3"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
