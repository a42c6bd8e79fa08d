#!/usr/bin/env bash
# The real program under X: quitting with Ctrl+Q (also on Russian and French keyboard layouts)
# and Alt+F4, closing the window, a second copy, and a machine with no display (where a file
# named to --record is left as it was). Sessions recorded to a close by the window manager or
# by SIGTERM replay in vantara-replay to a quit on the same frame.
# Usage: program_lifecycle.sh <vantara binary> <xclose binary> <vantara-replay binary> <case>
set -u
game=$1
xclose=$2
replay=$3
case_name=$4
# Screenshots for people to look at, kept with the build (the tests run in the build folder).
shots="$PWD/e2e"
mkdir -p "$shots"
. "$(dirname "$0")/waits.sh"

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
has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; }
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wm=$!
  until_true 120 has_window_manager || fail "the window manager did not start"
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

# Starts the game (with the options given) and waits for its menu: the program-wide keys wait
# until the splash is gone.
start_game() {
  "$game" "$@" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(find_window Vantara) || fail "no window appeared: $(cat "$XDG_RUNTIME_DIR/stderr")"
  xdotool windowfocus --sync "$window"
  skip_splash
}

# Taps a key chord, as xdotool does in an instant, and waits for the game to end.
quit_with() {
  xdotool key "$1"
  wait_exit 120
}

# geometry_is X,Y,W,H or windowed: the game window's client area is there (windowed: at 100, 100
# plus the frame).
geometry_is() {
  read_geometry
  if [ "$1" = windowed ]; then
    [ "$x" -ge 100 ] && [ "$x" -le 120 ] && [ "$y" -ge 100 ] && [ "$y" -le 160 ]
  else
    [ "$x,$y,$w,$h" = "$1" ]
  fi
}
iconic() { xprop -id "$window" WM_STATE | grep -q Iconic; }

# The session recorded to a close (CLOSE on its last line, noted as the quit) ended well, and
# the runner quits on that very frame.
rec=$XDG_RUNTIME_DIR/session.txt
replays_to_close() {
  [ "$code" = 0 ] || fail "exit $code: $(cat "$XDG_RUNTIME_DIR/stderr")"
  [[ $(grep '^[0-9]' "$rec" | tail -n 1) =~ ^([0-9]+)\ [^\ ]*CLOSE.*#.*quit$ ]] || fail "no close: $(tail -n 1 "$rec")"
  "$replay" "$rec" | tail -n 1 | grep -q "^{\"frame\": ${BASH_REMATCH[1]}, .*\"event\": \"quit\"}" ||
    fail "the runner did not quit on frame ${BASH_REMATCH[1]}"
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
    wait_exit 120
    [ "$code" = 0 ] || fail "close box: exit $code"
    ;;
  second-instance)
    start_game
    timeout 120 "$game" 2>/dev/null
    code=$?
    [ "$code" = 1 ] || fail "second copy: exit $code"
    windows=$(xdotool search --name '^Vantara$' | wc -l)
    [ "$windows" = 1 ] || fail "second copy made a window ($windows windows)"
    quit_with ctrl+q
    [ "$code" = 0 ] || fail "first copy: exit $code"
    ;;
  fullscreen-toggle)
    start_window_manager
    start_game
    until_true 120 geometry_is 0,0,1920,1080 || fail "not full screen at start: $x,$y ${w}x$h"
    xdotool key F11
    until_true 120 geometry_is windowed ||
      fail "windowed geometry not at 100, 100 (plus the frame): $x,$y,$w,$h"
    windowed="$x,$y,$w,$h"
    xdotool key F11
    until_true 120 geometry_is 0,0,1920,1080 || fail "second F11 not full screen: $x,$y ${w}x$h"
    xdotool key F11
    until_true 120 geometry_is "$windowed" || fail "windowed geometry not remembered: $x,$y,$w,$h"
    quit_with ctrl+q
    [ "$code" = 0 ] || fail "exit $code"
    ;;
  minimise)
    start_window_manager
    start_game
    xdotool key ctrl+alt+Delete
    until_true 120 iconic || fail "not minimised: $(xprop -id "$window" WM_STATE)"
    kill "$pid"
    wait_exit 120
    ;;
  no-display)
    # A session to record is written only once there is a window: an earlier one stays.
    echo "an earlier session" > "$rec"
    env -u DISPLAY -u WAYLAND_DISPLAY "$game" --record "$rec" 2>"$XDG_RUNTIME_DIR/stderr"
    code=$?
    [ "$code" != 0 ] || fail "no display reported success"
    grep -q "cannot open a display" "$XDG_RUNTIME_DIR/stderr" || fail "no message: $(cat "$XDG_RUNTIME_DIR/stderr")"
    [ "$(cat "$rec")" = "an earlier session" ] ||
      fail "--record emptied its file with no display to play on"
    ;;
  record-wm-close)
    # openbox closes the window at Alt+F4, before the game sees the F4.
    start_window_manager
    start_game --record "$rec"
    quit_with alt+F4
    replays_to_close
    ;;
  record-sigterm)
    start_game --record "$rec"
    kill -TERM "$pid"
    wait_exit 120
    replays_to_close
    # Cut off in its last line (a full disk, kill -9), it still plays, after one line on stderr.
    { head -n -1 "$rec"; tail -n 1 "$rec" | cut -d' ' -f1-2 | tr -d '\n'; } > "$XDG_RUNTIME_DIR/cut.txt"
    start_game --play "$XDG_RUNTIME_DIR/cut.txt"
    kill -TERM "$pid"
    wait_exit 120
    [ "$code" = 0 ] && [ "$(grep -c 'last line is cut off' "$XDG_RUNTIME_DIR/stderr")" = 1 ] ||
      fail "--play of a cut-off recording: exit $code, $(cat "$XDG_RUNTIME_DIR/stderr")"
    ;;
  no-data)
    # A copy of the program with no data/ beside it, started from a folder without one.
    lonely="$XDG_RUNTIME_DIR/lonely"
    mkdir -p "$lonely"
    cp "$game" "$lonely/vantara"
    (cd / && exec "$lonely/vantara") &
    pid=$!
    # The message box appears; a player reads it and presses Enter.
    message_box() { box=$(xwininfo -root -tree 2>/dev/null | awk '/"Vantara"/ {print $1; exit}'); [ -n "$box" ]; }
    until_true 120 message_box || fail "no message box appeared"
    shot no-data
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return 2>/dev/null
    wait_exit 120
    [ "$code" != timeout ] || fail "the game did not end after the message"
    [ "$code" = 3 ] || fail "no data/ gave exit code $code, not 3"
    ;;
  *)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
