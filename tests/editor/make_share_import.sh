#!/usr/bin/env bash
# A level made, proven and shared with the real program under X, then imported by a friend,
# all driven by xdotool's mouse and keys as players would: Make from the main menu; the new
# level's floor and exit deleted (Ctrl+A, Delete); a floor placed from the palette and
# widened by its handle, the start put with T, an exit placed from the palette; P test-plays
# it, D held to the exit; Ctrl+S saves, Ctrl+E shares. Then, in a fresh configuration,
# `vantara --import` keeps the shared file and My levels shows it with its seal; the same file
# with its exit moved (the proof's hash kept, or made again) is refused with the reason. A
# recorded session keeps no files, so every wait here watches the screen. Screenshots are
# kept in build/e2e/.
# Usage: make_share_import.sh <vantara binary>
set -u
game=$1
loading_picture=$(dirname "$game")/data/Menus/Loading_Screen.png
shots="$PWD/e2e"
mkdir -p "$shots"
. "$(dirname "$0")/../e2e/waits.sh"
root=$(mktemp -d)
pid=
trap 'kill $pid 2>/dev/null; rm -rf "$root"' EXIT
export ALSOFT_DRIVERS=null

fail() { echo "FAIL: $*"; exit 1; }

# fresh NAME: settings, kept files and the runtime folder of a player of their own.
fresh() {
  export XDG_RUNTIME_DIR=$root/$1 XDG_CONFIG_HOME=$root/$1/config XDG_DATA_HOME=$root/$1/data
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

# The window is moved to the screen's corner, where all of it is seen: a screenshot's pixels
# are the window's, the game's 1920 x 1080 units from the top left.
start_game() {
  "$game" 2>"$XDG_RUNTIME_DIR/stderr" &
  pid=$!
  window=$(find_window Vantara) || fail "no window appeared: $(cat "$XDG_RUNTIME_DIR/stderr")"
  xdotool windowmove "$window" 0 0
  until_true 60 eval 'xdotool getwindowgeometry "$window" | grep -q "Position: 0,0"' ||
    fail "the window stayed where it was"
  xdotool windowfocus --sync "$window"
  skip_splash
  grab menu
}

quit_game() {
  xdotool key ctrl+q
  wait_exit 120
  [ "$code" = 0 ] || fail "the game did not end well ($code): $(cat "$XDG_RUNTIME_DIR/stderr")"
}

# differ A B REGION: how many pixels of a region differ between two pictures.
differ() {
  convert "$1" -crop "$3" +repage "$root/a.miff"
  convert "$2" -crop "$3" +repage "$root/b.miff"
  compare -metric AE -fuzz 10% "$root/a.miff" "$root/b.miff" null: 2>&1 | awk '{printf "%d", $1}'
}

# grab NAME: a screenshot, and a tenth of it (192 x 108) to compare; keep NAME: the last one
# grabbed kept as $shots/NAME.png.
grab() { import -window root "$root/full.miff" && convert "$root/full.miff" -sample 10% "$root/$1.miff"; }
keep() { convert "$root/full.miff" "$shots/$1.png"; }
convert "$loading_picture" -sample 10% "$root/loading.miff"

# shown NAME FROM: a screenshot NAME that is neither the screen FROM (a tenth of it changed)
# nor the loading picture (in its middle, the emblem): the next screen is up and running.
shown() {
  grab "$1" && [ "$(differ "$root/$1.miff" "$root/$2.miff" 192x108+0+0)" -gt 2000 ] &&
    [ "$(differ "$root/$1.miff" "$root/loading.miff" 40x40+76+24)" -gt 400 ]
}
await() {
  until_true 120 shown "$1" "$2" || { keep "$1"; fail "$3 (see $shots/$1.png)"; }
  keep "$1"
}

# The editor's status line tells where the pointer is in the level; its end changes with
# every move of a pixel or more. point X Y: the pointer to (X, Y) in the game's units (y up
# from the middle), once the editor shows it there. Input reaches the game in order, so by
# then the game has taken everything sent before.
reading() { import -window root -crop 560x44+1360+1028 "ppm:$root/$1.ppm"; }
moved() { reading now && ! cmp -s "$root/was.ppm" "$root/now.ppm"; }
point() {
  reading was
  xdotool mousemove --window "$window" $((960 + $1)) $((540 - $2))
  px=$1 py=$2
  until_true 120 moved || fail "the editor did not follow the pointer to $1, $2"
}
# click X Y: a tap of the left button there; key CHORD: a tap of the keys; drag X1 Y1 X2 Y2:
# the left button pressed at one point and let go at the other. Each is taken before what
# follows (a pixel's move after it).
click() { point "$1" "$2"; xdotool click 1; point $(($1 + 1)) "$2"; }
key() { xdotool key "$1"; point $((px ^ 1)) "$py"; }
drag() {
  point "$1" "$2"
  xdotool mousedown 1
  point $(($1 + 1)) "$2"
  point "$3" "$4"
  xdotool mouseup 1
  point $(($3 + 1)) "$4"
}

# count PICTURE REGION COLOUR: the pixels of PICTURE in REGION near COLOUR.
count() {
  convert "$1" -crop "$2" -fuzz 15% -fill '#FF00FF' -opaque "$3" -fill black +opaque '#FF00FF' \
    -fill white -opaque '#FF00FF' -format '%[fx:round(mean*w*h)]' info:
}
# Back in the editor from a test-play: the tool bar as before it, the status line in the green
# of a proven level.
proven_shown() {
  grab "$1" && [ "$(differ "$root/$1.miff" "$root/$2.miff" 192x6+0+0)" -lt 20 ] &&
    [ "$(count "$root/full.miff" 1920x50+0+1025 '#70E070')" -gt 300 ]
}
# run_to_exit CHECK NAME...: D held through a test-play until CHECK NAME... holds (NAME: the
# screenshot it takes).
run_to_exit() {
  xdotool keydown d
  until_true 120 "$@"
  local back=$?
  xdotool keyup d
  keep "$2"
  [ $back = 0 ] || fail "the level did not come back finished within two minutes (see $shots/$2.png)"
}

# --- The maker.
fresh maker
start_game
xdotool mousemove --window "$window" 695 855 click 1    # Make, at (-265, -315)
await editor menu "Make did not open the editor"
px=-265 py=-315
# The canvas middle (95, -5) is the level's (0, 0), 0.85 screen units a level unit.
key ctrl+a
key Delete
click -865 435                    # the palette's Floor/wall
click -415 -260                   # placed about (-600, -300): 300 x 50, snapped to 25
drag -287 -260 520 -260           # its right-hand handle to x 500
xdotool key t                     # taken with the click, as the keys come first in a frame
click -457 -184                   # the start about (-650, -210)
click -865 -245                   # the palette's Exit
click 350 -150                    # the exit about (300, -170), standing on the floor
grab editor-built
keep editor-built
xdotool key p
await maker-play editor-built "P did not start a test-play"
run_to_exit proven_shown editor-proven editor-built
key ctrl+s
kept=$XDG_DATA_HOME/vantara/levels/My_level.level
until_true 60 test -s "$kept" || fail "Ctrl+S kept no file"
key ctrl+e
shared=$XDG_DATA_HOME/vantara/shared/My_level.level
until_true 60 test -s "$shared" || fail "Ctrl+E shared no file"
quit_game
# What the mouse and keys built, and the proof the run left.
for line in 'start -650 -210' 'solid -125 -300 1250 50 Wall' 'exit 300 -175 50 200 Complete' 'proof '; do
  grep -q "^$line" "$shared" || fail "the shared level has no line '$line': $(cat "$shared")"
done
cmp -s "$kept" "$shared" || fail "the shared file is not the level saved"

# --- The friend, in a fresh configuration.
fresh friend
out=$("$game" --import "$shared" 2>&1) || fail "--import refused the shared level: $out"
[[ $out == *'imported "My_level", proven'* ]] || fail "--import said: $out"
imported=$(ls "$XDG_DATA_HOME"/vantara/levels/*.level 2>/dev/null)
[ -n "$imported" ] && grep -q '^proof' "$imported" || fail "the imported level was not kept with its proof"
# Tampered copies: the exit moved on, its proof's hash left as it was, or made again for it.
moved=$root/moved.level
sed 's/^exit 300 /exit 450 /' "$shared" > "$moved"
out=$("$game" --import "$moved" 2>&1)
[ $? = 1 ] && [[ $out == *'changed after its proof'* ]] || fail "a moved exit was not refused: $out"
content_hash() { sed '/^proof/,$d' "$1" | sha256sum | cut -d' ' -f1; }
[ "$(content_hash "$shared")" = "$(sed -n 's/^proof //p' "$shared")" ] ||
  fail "the proof's hash is not the level's content"
sed -i "s/^proof .*/proof $(content_hash "$moved")/" "$moved"
out=$("$game" --import "$moved" 2>&1)
[ $? = 1 ] && [[ $out == *refused* && $out != *'changed after'* ]] ||
  fail "a moved exit with its hash made again was not refused by its replay: $out"
[ "$(ls "$XDG_DATA_HOME"/vantara/levels | wc -l)" = 1 ] || fail "a refused level was kept"
echo "refused: ${out##*refused: }"

# My levels, from Level Select, lists it with the seal of a proven level (its gold, 58 units
# wide at (215, 110)), and none beside it.
start_game
xdotool mousemove --window "$window" 1060 680 click 1   # Level Select, at (100, -140)
await selector menu "Level Select did not open"
xdotool mousemove --window "$window" 1660 590 click 1   # My levels, at (700, -50)
await my-levels selector "My levels did not open"
[ "$(count "$shots/my-levels.png" 40x40+1155+410 '#E8B65A')" -gt 300 ] &&
  [ "$(count "$shots/my-levels.png" 40x40+1050+410 '#E8B65A')" -lt 40 ] ||
  fail "no proven seal beside the level in My levels (see $shots/my-levels.png)"
quit_game
echo "ok: made, proven, shared, imported and listed proven; tampered copies refused"
