#!/usr/bin/env bash
# e2e_wave_device.sh: the real program's sound device, from start-up to Ctrl+Q.
#
# Usage: e2e_wave_device.sh PATH/TO/vantara MODE, on a running X display ($DISPLAY).
#   wave       OpenAL's wave-file device takes the mix. The game must quit with 0 and leave a
#              complete WAV: its RIFF and data sizes match the file, which only happens when
#              the game closes the device at exit.
#   no-device  The only device OpenAL may use cannot open (its file's folder does not exist).
#              The game must still start, say one line about audio on stderr, and quit with 0.
set -u

game=$1
mode=$2

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/stderr" ]; then
        echo "--- the game's stderr:" >&2
        cat "$work/stderr" >&2
    fi
    exit 1
}

[ -x "$game" ] || { echo "FAIL: no program at $game" >&2; exit 1; }
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display (run under xvfb-run)" >&2; exit 1; }

work=$(mktemp -d)
pid=
cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A private lock folder, so that a game the developer has open does not count as running.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

mix=$work/mix.wav
case $mode in
    wave) wavefile=$mix ;;
    no-device) wavefile=$work/no-such-folder/mix.wav ;;
    *) echo "FAIL: unknown mode $mode" >&2; exit 1 ;;
esac
printf '[general]\ndrivers=wave\n[wave]\nfile=%s\nsample-type=int16\nchannels=mono\n' \
    "$wavefile" >"$work/alsoft.conf"
export ALSOFT_CONF=$work/alsoft.conf
unset ALSOFT_DRIVERS ALSOFT_LOGLEVEL

"$game" 2>"$work/stderr" &
pid=$!

shots=$work
. "$(dirname "$0")/../e2e/waits.sh"
window=$(find_window Vantara) || fail "the game's window did not appear"
xdotool windowfocus --sync "$window"
# Ctrl+Q waits until the splash is gone.
skip_splash
kill -0 "$pid" 2>/dev/null || fail "the game ended on its own"
xdotool key --clearmodifiers ctrl+q
wait_exit 120
[ "$code" != timeout ] || fail "the game did not quit on Ctrl+Q"
status=$code
pid=
[ "$status" -eq 0 ] || fail "the game quit with exit code $status"

# A little-endian 32-bit field of the file at byte offset $2.
u32() { od -A n -t u4 -j "$2" -N 4 --endian=little "$1" | tr -d ' '; }

if [ "$mode" = no-device ]; then
    lines=$(grep -ciE 'audio|sound' "$work/stderr")
    [ "$lines" -eq 1 ] || fail "expected one line about audio on stderr, saw $lines"
    [ ! -e "$wavefile" ] || fail "a mix file appeared although its folder did not exist"
    echo "ok: no device, one line: $(grep -iE 'audio|sound' "$work/stderr")"
    exit 0
fi

grep -qi "without sound" "$work/stderr" && fail "the game found no audio device"
[ -f "$mix" ] || fail "the wave device wrote no file"
size=$(stat -c %s "$mix")
[ "$size" -gt 44 ] || fail "the mix file holds only $size bytes"
[ "$(head -c 4 "$mix")" = RIFF ] || fail "the mix file does not start with RIFF"
[ "$(dd if="$mix" bs=1 skip=8 count=4 status=none)" = WAVE ] || fail "not a WAVE file"
[ "$(u32 "$mix" 4)" -eq $((size - 8)) ] || fail "RIFF size $(u32 "$mix" 4), file $size bytes"

# Walk the chunks up to "data"; its size must reach exactly to the end of the file.
offset=12
while [ $((offset + 8)) -le "$size" ]; do
    id=$(dd if="$mix" bs=1 skip="$offset" count=4 status=none)
    length=$(u32 "$mix" $((offset + 4)))
    if [ "$id" = data ]; then
        [ $((offset + 8 + length)) -eq "$size" ] \
            || fail "data size $length, but $((size - offset - 8)) bytes follow its header"
        [ "$length" -gt 0 ] || fail "the data chunk is empty"
        echo "ok: complete WAV of $size bytes, $length bytes of mix"
        exit 0
    fi
    offset=$((offset + 8 + length + length % 2))
done
fail "the mix file has no data chunk"
