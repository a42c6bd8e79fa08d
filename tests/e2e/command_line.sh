#!/usr/bin/env bash
# The program's command line, no display needed: --version prints the build's version,
# --help lists every option, and a wrong word is refused with exit code 2 and a usage line on
# standard error, before any window or lock.
# Usage: command_line.sh <vantara binary> <version>
set -u
game=$1
version=$2
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Runs the game with the given words; sets code, and keeps both outputs.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY "$game" "$@" >"$out" 2>"$err"
  code=$?
}

run --version
[ "$code" = 0 ] || fail "--version: exit $code"
[ "$(cat "$out")" = "Vantara $version" ] || fail "--version printed '$(cat "$out")'"

run --help
[ "$code" = 0 ] || fail "--help: exit $code"
[ ! -s "$err" ] || fail "--help wrote to standard error: $(cat "$err")"
grep -q '^usage: vantara ' "$out" || fail "--help has no usage line"
for option in --help --version; do
  grep -q "^  $option " "$out" || fail "--help does not describe $option"
done

# Unknown options, a missing or unwanted argument, a stray word: the same refusal.
for words in "--no-such-option" "--no-such-option=1" "-x" "level1" "--version=2" "--help level1"; do
  run $words
  [ "$code" = 2 ] || fail "'$words': exit $code, not 2"
  [ ! -s "$out" ] || fail "'$words' wrote to standard output: $(cat "$out")"
  grep -q '^usage: vantara ' "$err" || fail "'$words': no usage line on standard error"
  [ "$(wc -l <"$err")" -le 3 ] || fail "'$words': a long message: $(cat "$err")"
done
echo "ok: command line"
