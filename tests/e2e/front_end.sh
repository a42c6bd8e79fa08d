#!/usr/bin/env bash
# The real program under X, played as a new player would with the mouse and keyboard: the
# splash, the menu, Play, the first level, the pause window with its taunt, back to the menu,
# the level selector and Level 9, and the settings window's window size. Screenshots of each
# step are kept in build/e2e/ for people to look at.
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

start_game() {
  "$game" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantara$' | head -n 1)
  [ -n "$window" ] || fail "no window appeared"
  xdotool windowfocus --sync "$window"
  sleep 1
}

# A key held for a few frames, as a player presses it.
press() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; sleep 0.3; }

# A click at (x, y) in the game's 1920 x 1080 menu units, y up from the centre.
click() {
  xdotool mousemove --window "$window" $((960 + $1)) $((540 - $2))
  sleep 0.1
  xdotool mousedown 1; sleep 0.15; xdotool mouseup 1
  sleep "${3:-0.5}"
}

shot() { import -window root "$shots/$1.png"; }

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

skip_splash() {
  shot splash
  press Escape
  press Escape
  sleep 0.5
  shot menu
  [ "$(differ splash menu)" -gt 100000 ] || fail "the menu did not replace the splash"
}

quit_game() {
  for _ in 1 2 3; do
    xdotool keydown ctrl keydown q; sleep 0.15; xdotool keyup q keyup ctrl
    for _ in $(seq 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null || break
  done
  wait "$pid"
  [ $? = 0 ] || fail "the game did not end well"
}

start_game
skip_splash
case "$case_name" in
  play-and-return)
    click -375 -175 2
    shot level-1
    [ "$(differ menu level-1)" -gt 100000 ] || fail "Play did not show the first level"
    press Escape
    shot pause
    # The pause window covers the middle of the level, the taunt at its top.
    [ "$(differ level-1 pause 600x600+660+240)" -gt 50000 ] || fail "no pause window"
    click -110 -175
    shot pause-return
    click 150 0 2
    shot back-to-menu
    [ "$(differ menu back-to-menu)" -lt 20000 ] || fail "Return and Yes did not lead to the menu"
    ;;
  selector)
    # The selector answers a button still held from the menu's click, so Level Select is
    # clicked where no level button lies beneath it.
    click 100 -140 1
    shot level-selector
    [ "$(differ menu level-selector)" -gt 100000 ] || fail "no level selector"
    click -50 -200 2
    shot level-9
    [ "$(differ level-selector level-9)" -gt 100000 ] || fail "Level 9 did not start"
    ;;
  window-size)
    click 800 400
    shot settings
    click 100 0 1
    shot window-size
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" = 1600 ] && [ "$HEIGHT" = 900 ] || fail "Window size gave ${WIDTH}x${HEIGHT}, not 1600x900"
    ;;
  *) fail "unknown case $case_name" ;;
esac
quit_game
echo "ok: $case_name"
