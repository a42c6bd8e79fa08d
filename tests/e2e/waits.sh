# waits.sh: the waits of the end-to-end scripts, which source it. Each polls for what it waits
# for, with a time-out generous enough for a machine whose cores are all busy.

# until_true SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds; fails
# once SECONDS have passed.
until_true() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# find_window TITLE: prints the id of the first mapped window titled TITLE, once there is one.
# Gives up at once if the program started as $pid has ended: its window will never come.
find_window() {
  local end=$((SECONDS + 120)) id=
  until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1); [ -n "$id" ]; do
    [ "$SECONDS" -lt "$end" ] || return 1
    [ -z "${pid:-}" ] || ! ended || return 1
    sleep 0.1
  done
  echo "$id"
}

ended() { ! kill -0 "$pid" 2>/dev/null; }

# wait_exit SECONDS: waits for the program started as $pid to end; sets code to its exit code,
# or to "timeout".
wait_exit() {
  code=timeout
  until_true "$1" ended || return 0
  wait "$pid"
  code=$?
}

# shot NAME: a screenshot of the whole screen in $shots/NAME.png.
shot() { import -window root "$shots/$1.png" 2>/dev/null; }

# drawn NAME: the screenshot shows a picture: neither the black of the splash logos (or of a
# window not yet drawn) over most of it, nor one flat colour.
drawn() {
  local black spread
  black=$(convert "$shots/$1.png" -colorspace gray -threshold 8% -format '%[fx:1-mean]' info:)
  spread=$(convert "$shots/$1.png" -colorspace gray -format '%[fx:standard_deviation]' info:)
  awk -v b="${black:-1}" -v s="${spread:-0}" 'BEGIN { exit !(b < 0.5 && s > 0.1) }'
}

# skip_splash: taps Space, which skips a logo, until the menu shows. Space does nothing in the
# menu, where Escape would ask whether to quit. The pointer waits in the middle of the window,
# over no button, wherever an earlier test on this X server left it.
skip_splash() {
  local end=$((SECONDS + 180))
  [ -z "${window:-}" ] || xdotool mousemove --window "$window" --polar 0 0
  until shot menu && drawn menu; do
    [ "$SECONDS" -lt "$end" ] || fail "the menu did not replace the splash"
    xdotool key space
  done
}
