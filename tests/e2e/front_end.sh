#!/usr/bin/env bash
# The real program under X, played as a new player would with the mouse and keyboard: the
# splash, the menu, Play, the first level, the pause window with its taunt, back to the menu,
# the level selector and Level 9, and the settings window's window size. Screenshots of each
# step are kept in build/e2e/ for people to look at. Every key and click is a tap, pressed and
# released at once, which the game must still see. The game records the session, and its notes
# of each state it enters say when a level (not its loading picture) is on screen.
# Usage: front_end.sh <vantara binary> <case>   (case: play-and-return, selector, window-size)
set -u
game=$1
case_name=$2
shots="$PWD/e2e"
mkdir -p "$shots"
export XDG_RUNTIME_DIR=$(mktemp -d)
# Settings and best times of a test stay in its own folders, never in the real home.
export XDG_CONFIG_HOME=$XDG_RUNTIME_DIR/config XDG_DATA_HOME=$XDG_RUNTIME_DIR/data
export ALSOFT_DRIVERS=null
pid=
trap 'kill $pid 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

. "$(dirname "$0")/waits.sh"

rec=$XDG_RUNTIME_DIR/session.txt
start_game() {
  "$game" --record "$rec" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(find_window Vantara) || fail "no window appeared: $(cat "$XDG_RUNTIME_DIR/stderr")"
  xdotool windowfocus --sync "$window"
}

# A click at (x, y) in the game's 1920 x 1080 menu units, y up from the centre: pressed and
# released in an instant, as a touchpad tap is.
click() {
  xdotool mousemove --window "$window" $((960 + $1)) $((540 - $2))
  xdotool click 1
}

# How many pixels differ between two screenshots (within a region, WxH+X+Y, if given).
differ() {
  local a="$shots/$1.png" b="$shots/$2.png"
  if [ -n "${3:-}" ]; then
    convert "$a" -crop "$3" +repage "$XDG_RUNTIME_DIR/a.png"
    convert "$b" -crop "$3" +repage "$XDG_RUNTIME_DIR/b.png"
    a="$XDG_RUNTIME_DIR/a.png" b="$XDG_RUNTIME_DIR/b.png"
  fi
  compare -metric AE -fuzz 5% "$a" "$b" null: 2>&1 | awk '{printf "%d", $1}'
}

# shows NAME FROM OP COUNT [REGION]: takes screenshot NAME; true if it differs from screenshot
# FROM in more (OP -gt) or fewer (OP -lt) than COUNT pixels.
shows() { shot "$1" && [ "$(differ "$2" "$1" "${5:-}")" "$3" "$4" ]; }

# await NAME FROM OP COUNT [REGION] -- MESSAGE: screenshots until "shows" holds; fails after two
# minutes with MESSAGE.
await() {
  local message=${*: -1}
  until_true 120 shows "${@:1:$#-2}" || fail "$message"
}

# in_state ID: the last state the recording noted is ID, and it has drawn two frames since.
in_state() {
  local noted
  noted=$(grep -n '# .*state [0-9]*' "$rec" 2>/dev/null | tail -n 1)
  [[ $noted =~ state\ ([0-9]+) ]] && [ "${BASH_REMATCH[1]}" = "$1" ] &&
    [ "$(sed -n "${noted%%:*},\$p" "$rec" | grep -c '^[0-9]')" -ge 3 ]
}

# reach ID NAME MESSAGE: waits for state ID, then keeps a screenshot NAME of it.
reach() {
  until_true 120 in_state "$1" || fail "$3"
  shot "$2"
  drawn "$2" || fail "$3: nothing drawn"
}

quit_game() {
  xdotool key ctrl+q
  wait_exit 120
  [ "$code" = 0 ] || fail "the game did not end well: $code"
}

start_game
skip_splash
case "$case_name" in
  play-and-return)
    click -375 -175
    reach 7 level-1 "Play did not show the first level"
    xdotool key Escape
    # The pause window covers the middle of the level, the taunt at its top.
    await pause level-1 -gt 50000 600x600+660+240 -- "no pause window"
    click -110 -175
    await pause-return pause -gt 5000 600x600+660+240 -- "the pause window's Return did nothing"
    click 150 0
    reach 1 back-to-menu "Return and Yes did not lead to the menu"
    ;;
  selector)
    # The selector answers a button still held from the menu's click, so Level Select is
    # clicked where no level button lies beneath it.
    click 100 -140
    reach 2 level-selector "no level selector"
    click -50 -200
    reach 15 level-9 "Level 9 did not start"
    ;;
  window-size)
    click 800 400
    await settings menu -gt 20000 -- "the gear did not open the settings"
    click 100 0
    until_true 120 eval '[ "$(xdotool getwindowgeometry "$window" | grep -o "[0-9]*x[0-9]*")" = 1600x900 ]' ||
      fail "Window size gave $(xdotool getwindowgeometry "$window" | grep -o "[0-9]*x[0-9]*"), not 1600x900"
    shot window-size
    ;;
  *) fail "unknown case $case_name" ;;
esac
quit_game
echo "ok: $case_name"
