#!/usr/bin/env bash
# Keys pressed by position under Russian and French layouts, in a window of the game's SDL back
# end: each must give the engine key a player of that layout expects.
# Usage: keyboard_layouts.sh <key_echo binary> <ru|fr>
set -u
key_echo=$1
layout=$2

fail() { echo "FAIL: $*"; exit 1; }

out=$(mktemp)
pid=
previous=$(setxkbmap -query | sed -n 's/^layout: *//p')
trap 'kill $pid 2>/dev/null; setxkbmap "${previous:-us}"; rm -f "$out"' EXIT

# X keycodes of a PC keyboard, by position: the number row 1..0, then keys named by what QWERTY
# prints on them.
number_row="10 11 12 13 14 15 16 17 18 19"
digits="49 50 51 52 53 54 55 56 57 48"
case "$layout" in
  ru)
    # The keys QWERTY prints as A D W S R Q K: Cyrillic letters here, still the game's keys.
    keys="$number_row 38 40 25 39 27 24 45"
    want="$digits 65 68 87 83 82 81 75"
    ;;
  fr)
    # AZERTY prints A Q Z W on QWERTY's Q A W Z, and a comma on QWERTY's M: the printed
    # letters count, and the comma is no letter.
    keys="$number_row 24 38 25 52 58"
    want="$digits 65 81 90 87 256"
    ;;
  *)
    fail "unknown layout $layout"
    ;;
esac

"$key_echo" >"$out" &
pid=$!
. "$(dirname "$0")/waits.sh"
window=$(find_window "Key echo") || fail "no window appeared"
xdotool windowfocus --sync "$window"
# Only once a client is connected: Xvfb resets its keymap whenever its last client leaves.
setxkbmap "$layout"
xdotool key --delay 150 $keys
echoed() { [ "$(wc -l < "$out")" -ge $(echo $want | wc -w) ]; }
until_true 120 echoed

got=$(echo $(cat "$out"))
[ "$got" = "$want" ] || fail "$layout: the keys gave '$got', expected '$want'"
echo "ok: $layout"
