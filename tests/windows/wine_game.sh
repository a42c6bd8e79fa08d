#!/usr/bin/env bash
# The Windows game proven under Wine, on the current X display (scripts/run-tests.sh runs it
# under the test run's Xvfb, after scripts/windows.sh has built the programs and packages):
#   replays     every committed replay, played by vantara-replay.exe, prints the same bytes
#               as the Linux runner (the digests of tests/levels/replay_digests.txt);
#   game        the portable zip unpacked into a folder named in Cyrillic and started from
#               elsewhere: splash and menu (screenshots), Enter into Level 1, a run, the pause
#               window, a second copy refused, Ctrl+Q with exit code 0;
#   settings    the music volume lowered in the settings window by keys, Ctrl+Q, and on the
#               next start the saved volume read back from the Wine user's application data
#               (the Wine user is named in Cyrillic, so the path is not Latin); the damaged
#               settings.ini found there set aside under the first free name, a dead writer's
#               temporary file cleared, saves.lock made; the window closed as Windows closes
#               it (taskkill), and the game quits as by Ctrl+Q;
#   levels      a shared level imported from a folder named in Cyrillic by the unpacked game,
#               which checks its proof with the vantara-replay.exe beside it: kept in the
#               application data when proven, refused (exit 1) when its exit was moved;
#   no-opengl   without OpenGL 3.3 the game says so in a message box and exits with code 2;
#   installer   silent install, the Start-menu entry, the installed game starts and quits,
#               the silent uninstall leaves no file of the game and keeps the saves.
# Wine has no sound device here (its audio drivers are off): the game plays silently, as the
# Linux game does without one, and says so once. One Wine prefix and one Wine session (a
# wineserver kept running) serve every part; a part that fails ends the session, so that the
# next one starts clean.
# Usage: wine_game.sh BUILD_WINDOWS_FOLDER [PART...]   (all parts by default; screenshots go
# to BUILD_WINDOWS_FOLDER/e2e)
set -u
out=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
game=$out/game/vantara.exe
replay=$out/game/vantara-replay.exe
setup=$(ls "$out"/vantara-*-windows-x64-setup.exe 2>/dev/null | head -n 1)
portable=$(ls "$out"/vantara-*-windows-x64.zip 2>/dev/null | head -n 1)
shots=$out/e2e
mkdir -p "$shots"
work=$(mktemp -d)
. "$repo/tests/e2e/waits.sh"

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No Mono or Gecko (nothing here needs them, and their installers would ask), no sound driver.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv,wineoss.drv=d"
export USER=Игрок LOGNAME=Игрок
appdata=$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Vantara
trap '"$wineserver" -k 2>/dev/null; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# start GAME ARGS...: starts the game under Wine in the background as $pid, with its standard
# error in $work/stderr, and waits for its window ($window).
start() {
  "$wine" "$@" 2>"$work/stderr" &
  pid=$!
  window=$(find_window Vantara) || fail "no window appeared: $(grep -v '^ALSA' "$work/stderr")"
  xdotool windowfocus --sync "$window" 2>/dev/null
}

quit_game() {
  xdotool key ctrl+q
  wait_exit 120
  [ "$code" = 0 ] || fail "Ctrl+Q did not end the game well: exit $code"
}

# One flat colour is no picture: the splash has its logo, the menu its buttons.
shows_something() {
  local spread
  spread=$(convert "$shots/$1.png" -colorspace gray -format '%[fx:standard_deviation]' info:)
  awk -v s="${spread:-0}" 'BEGIN { exit !(s > 0.02) }'
}

# How many pixels of two screenshots differ within REGION (WxH+X+Y).
differ() {
  convert "$shots/$1.png" -crop "$3" +repage "$work/a.png"
  convert "$shots/$2.png" -crop "$3" +repage "$work/b.png"
  compare -metric AE -fuzz 5% "$work/a.png" "$work/b.png" null: 2>&1 | awk '{printf "%d", $1}'
}

# The middle of the game's window, where the pause and settings windows open: a region for
# differ, and its area in pixels.
middle() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  region="$((WIDTH * 3 / 10))x$((HEIGHT / 2))+$((X + WIDTH * 7 / 20))+$((Y + HEIGHT / 4))"
  area=$((WIDTH * 3 / 10 * HEIGHT / 2))
}

# changed NAME FROM: takes screenshot NAME; true when a window opened or closed in the middle
# of the game's window since screenshot FROM (a sixth of the middle differs).
changed() {
  middle
  shot "$1" && [ "$(differ "$2" "$1" "$region")" -gt $((area / 6)) ]
}

# in_state ID: the recording's last note of a state names ID, and two frames ran since.
in_state() {
  local noted
  noted=$(grep -n '# .*state [0-9]*' "$rec" 2>/dev/null | tail -n 1)
  [[ $noted =~ state\ ([0-9]+) ]] && [ "${BASH_REMATCH[1]}" = "$1" ] &&
    [ "$(sed -n "${noted%%:*},\$p" "$rec" | grep -c '^[0-9]')" -ge 3 ]
}

part_replays() {
  "$repo/tests/levels/replay_digests.sh" "$wine" "$replay" || fail "replays differ under Wine"
}

# The portable zip unpacked into a folder named in Cyrillic (once for the parts that use it).
portable_game="$work/Игры/Vantara/vantara.exe"
unpack() {
  [ ! -e "$portable_game" ] || return 0
  [ -n "$portable" ] || fail "no portable zip in $out"
  mkdir -p "$work/Игры"
  (cd "$work/Игры" && cmake -E tar xf "$portable") || fail "the zip did not unpack"
}

part_game() {
  rec=$work/session.txt
  unpack
  local game=$portable_game
  grep -q "MIT License" "$work/Игры/Vantara/LICENSE.txt" &&
    grep -q "SDL2" "$work/Игры/Vantara/COPYRIGHT.txt" || fail "the zip lacks LICENSE or COPYRIGHT"
  start "$game" --record "$rec"
  until_true 120 eval 'shot splash && shows_something splash' || fail "the splash showed nothing"
  skip_splash
  "$wine" "$game" 2>/dev/null
  [ $? = 1 ] || fail "a second copy was not refused with exit code 1"
  # The first Enter shows the focus on Play, unless a key already did; the second presses it
  # (or falls into the loading level, which takes no Enter).
  xdotool key --delay 300 Return Return
  until_true 180 in_state 7 || fail "Enter on the menu did not start Level 1"
  shot level-1
  # D is held until the recording shows a frame played with it.
  xdotool keydown d
  until_true 60 eval "grep -q '^[0-9]* D ' '$rec'" ||
    { xdotool keyup d; fail "the game did not see D held"; }
  xdotool keyup d
  xdotool key Escape
  until_true 120 changed pause level-1 || fail "Escape showed no pause window"
  # A paused level takes no program keys: Escape resumes it, then Ctrl+Q quits.
  xdotool key Escape
  until_true 120 changed resumed pause || fail "Escape did not resume the level"
  quit_game
  [ "$(grep -c 'without sound' "$work/stderr")" = 1 ] ||
    fail "no single line about playing without sound: $(grep -v '^ALSA' "$work/stderr")"
}

# The menu's focus starts on Play; Up, pressed often enough, reaches the gear at the top, and
# Enter opens the settings window with the focus on the music's minus: each Enter then takes
# 0.05 off.
part_settings() {
  local ini=$appdata/settings.ini volume
  # A settings.ini damaged before (a volume of 7), one set aside earlier, and the temporary
  # file of a writer that died before its move.
  mkdir -p "$appdata"
  printf '[sound]\r\nmusic_volume = 7\r\n' >"$ini"
  printf 'set aside earlier\n' >"$ini.bad"
  printf 'half a file' >"$ini.4242-0.tmp"
  start "$game"
  skip_splash
  # A fifth of a second apart, so that no two taps fall into one frame.
  xdotool key --delay 200 Up Up Up Up Up Up Return
  until_true 120 changed settings menu || fail "the keys did not open the settings window"
  xdotool key --delay 200 Return Return
  until_true 60 eval "grep -qE '^music_volume = 0\.[0-9]+$' '$ini' 2>/dev/null" ||
    fail "no lower music_volume in $ini: $(cat "$ini" 2>&1)"
  [ "$(cat "$ini.bad")" = "set aside earlier" ] || fail "settings.ini.bad was written over"
  grep -q 'music_volume = 7' "$ini.bad.1" || fail "the damaged file is not settings.ini.bad.1"
  grep -q 'kept as .*settings.ini.bad.1' "$work/stderr" || fail "no word of settings.ini.bad.1"
  [ ! -e "$ini.4242-0.tmp" ] || fail "the dead writer's temporary file is still there"
  [ -f "$appdata/saves.lock" ] || fail "no saves.lock beside the saves"
  quit_game
  # The volume as the game left it (a tap more or less than the two Enters is no matter here).
  volume=$(grep '^music_volume' "$ini")
  # The next start reads it: a change of full screen writes the file again, with the volume
  # it read, not the default.
  start "$game"
  skip_splash
  xdotool key F11
  until_true 60 eval "grep -qx 'fullscreen = false' '$ini'" || fail "F11 was not saved"
  grep -qx "$volume" "$ini" || fail "the next start lost the volume: $(cat "$ini")"
  # Closed by Windows (as Task Manager's End task closes it): it quits as by Ctrl+Q.
  "$wine" taskkill /im vantara.exe >/dev/null 2>&1
  wait_exit 120
  [ "$code" = 0 ] || fail "closed by taskkill, the game ended with $code"
}

# A shared level (Level 1 with its committed replay as proof, from the zip's data/levels)
# imported from a folder named in Cyrillic by the unpacked game, which runs the
# vantara-replay.exe beside it to check the proof: kept under its key in the application data,
# the same level with its exit moved refused, neither with a window.
part_levels() {
  unpack
  local shared="$work/Общие" level="$work/Игры/Vantara/data/levels/level_1.level" hash kept
  mkdir -p "$shared"
  hash=$(grep -v -e '^#' -e '^$' "$level" | sha256sum | cut -d' ' -f1)
  { cat "$level"; echo "proof $hash"; cat "$repo/tests/levels/replays/7.txt"; } \
    >"$shared/уровень 1.level"
  sed 's/^exit 960 350 /exit 960 -250 /' "$shared/уровень 1.level" >"$shared/moved.level"
  "$wine" "$portable_game" --import "$shared/уровень 1.level" >"$work/out" 2>&1
  code=$?
  [ "$code" = 0 ] && grep -q 'imported "Level_1", proven: its run reaches the exit' "$work/out" ||
    fail "the import gave exit $code: $(head -c 300 "$work/out")"
  kept=("$appdata"/levels/*.level)
  [[ ${#kept[@]} -eq 1 && $(basename "${kept[0]}") =~ ^[0-9a-f]{16}\.level$ ]] ||
    fail "kept in the application data: ${kept[*]}"
  "$wine" "$portable_game" --import "$shared/moved.level" >"$work/out" 2>&1
  code=$?
  [ "$code" = 1 ] && grep -q 'is refused: not proven: the level was changed' "$work/out" ||
    fail "the moved level gave exit $code: $(head -c 300 "$work/out")"
  [ "$(ls "$appdata/levels" | wc -l)" = 1 ] || fail "the refused level was kept"
}

part_no_opengl() {
  MESA_GL_VERSION_OVERRIDE=3.0 "$wine" "$game" 2>"$work/stderr" &
  pid=$!
  box=$(find_window "OpenGL 3.3 Not Supported") || fail "no message box about OpenGL 3.3"
  shot no-opengl
  xdotool windowfocus --sync "$box" key Return
  wait_exit 120
  [ "$code" = 2 ] || fail "without OpenGL 3.3 the game ended with $code"
}

part_installer() {
  [ -n "$setup" ] || fail "no installer in $out"
  local installed="$WINEPREFIX/drive_c/Program Files/Vantara"
  local entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantara.lnk"
  # The player's saves, which no uninstaller may take.
  if [ ! -f "$appdata/best_times.ini" ]; then
    mkdir -p "$appdata" && printf '[best_frames]\nlevel_1 = 2843\n' >"$appdata/best_times.ini"
  fi
  "$wine" "$setup" /S || fail "the silent install failed"
  [ -f "$installed/vantara.exe" ] && [ -f "$installed/vantara-replay.exe" ] &&
    [ -f "$installed/data/Adagio.ogg" ] && [ -f "$installed/data/levels/level_9.level" ] ||
    fail "the installer put no game into Program Files"
  grep -q "MIT License" "$installed/LICENSE.txt" && grep -q "SDL2" "$installed/COPYRIGHT.txt" ||
    fail "the installer put down no LICENSE.txt and COPYRIGHT.txt"
  [ -f "$entry" ] || fail "no Start-menu entry"
  start 'C:\Program Files\Vantara\vantara.exe'
  skip_splash
  quit_game
  "$wine" 'C:\Program Files\Vantara\uninstall.exe' /S
  # The uninstaller runs from a copy of itself and ends when the folder is gone.
  until_true 120 eval '[ ! -e "$installed" ]' ||
    fail "the uninstaller left: $(cd "$installed" && find . | head)"
  [ ! -e "$entry" ] || fail "the uninstaller left the Start-menu entry"
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantara' \
    >/dev/null 2>&1 && fail "the uninstaller left its entry in Apps & features"
  [ -f "$appdata/best_times.ini" ] || fail "the uninstaller took the player's best times"
}

start_time=$SECONDS
mkdir -p "$WINEPREFIX"
"$wineserver" -p # the session lasts until the trap ends it
"$wine" wineboot -i >/dev/null 2>&1 || fail "Wine could not make its prefix"
echo "Wine prefix made in $((SECONDS - start_time)) s"
passed=0 failed=0
parts=("${@:2}")
[ ${#parts[@]} -gt 0 ] || parts=(replays game settings levels no-opengl installer)
for name in "${parts[@]}"; do
  t=$SECONDS
  # Each part ends with its game gone, whatever became of it.
  if (pid=; trap '[ -z "$pid" ] || { kill $pid; wait $pid; } 2>/dev/null' EXIT
      "part_${name//-/_}"); then
    passed=$((passed + 1))
    echo "ok: $name ($((SECONDS - t)) s)"
  else
    failed=$((failed + 1))
    echo "FAIL: $name ($((SECONDS - t)) s)"
    "$wineserver" -k
    "$wineserver" -w
    "$wineserver" -p
  fi
done
echo "wine: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
