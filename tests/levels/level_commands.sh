#!/usr/bin/env bash
# Level files from the command line: vantara-replay --level plays a shipped level's file as its
# state plays it, --verify tells a proven share from a tampered or broken one (exit 0, 1, 2),
# and vantara --import keeps only what is proven, under $XDG_DATA_HOME/vantara/levels/.
# Usage: level_commands.sh VANTARA VANTARA_REPLAY LEVELS_FOLDER REPLAYS_FOLDER
set -uo pipefail
game=$1 replay=$2 levels=$3 replays=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work
checks=0 failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { checks=$((checks + 1)); }

# share LEVEL STATE: the level with its committed replay as proof, named by the SHA-256 of its
# text without comments (the shipped files are written canonically).
share() {
    local hash
    hash=$(grep -v -e '^#' -e '^$' "$levels/$1.level" | sha256sum | cut -d' ' -f1)
    { cat "$levels/$1.level"; echo "proof $hash"; cat "$replays/$2.txt"; } > "$work/$1.share"
}
share level_1 7
share tutorial_2 4
# The exit of Level_1 moved down after its proof was made.
sed 's/^exit 960 350 /exit 960 -250 /' "$work/level_1.share" > "$work/moved.share"
head -c 400 "$work/level_1.share" > "$work/cut.share"

# expect CODE OUTPUT_PATTERN COMMAND...: the exit code, and the pattern in stdout or stderr.
expect() {
    check
    local code=$1 pattern=$2
    shift 2
    "$@" > "$work/out" 2>&1
    local got=$?
    [[ $got -eq $code ]] && grep -q -- "$pattern" "$work/out" ||
        fail "$* gave exit $got (wanted $code and '$pattern'): $(head -c 300 "$work/out")"
}

expect 0 "level_1.share: proven: its run reaches the exit on frame 1233" "$replay" --verify "$work/level_1.share"
expect 0 "^-: proven" sh -c "'$replay' --verify - < '$work/tutorial_2.share'"
expect 1 "not proven: the level was changed after its proof was recorded" "$replay" --verify "$work/moved.share"
expect 1 "not proven: it carries no proof" "$replay" --verify "$levels/level_1.level"
expect 2 "cut.share:[0-9]*: " "$replay" --verify "$work/cut.share"
expect 2 "nothing.share:0: cannot be read" "$replay" --verify "$work/nothing.share"

# Played from its file, a shipped level is frame for frame what its state plays, to its exit.
"$replay" --level "$levels/level_3.level" "$replays/9.txt" | sed 's/"state": [0-9]*, "next": [0-9-]*//' > "$work/file.json"
"$replay" --state 9 "$replays/9.txt" | sed 's/"state": [0-9]*, "next": [0-9-]*//' |
    head -n "$(wc -l < "$work/file.json")" > "$work/state.json"
check
cmp -s "$work/file.json" "$work/state.json" || fail "--level level_3.level differs from --state 9"
tail -n 1 "$work/file.json" | grep -q '"event": "complete"' || fail "--level does not end at the exit"

# Imported: only the proven share is kept, under its key, and reads back proven.
expect 0 "imported \"Level_1\", proven: its run reaches the exit" "$game" --import "$work/level_1.share"
kept=("$XDG_DATA_HOME"/vantara/levels/*.level)
check
[[ ${#kept[@]} -eq 1 && $(basename "${kept[0]}") =~ ^[0-9a-f]{16}\.level$ ]] || fail "kept: ${kept[*]}"
expect 0 "proven" "$replay" --verify "${kept[0]}"
expect 1 "is refused: not proven: the level was changed after its proof was recorded" "$game" --import "$work/moved.share"
expect 2 "cut.share:[0-9]*: " "$game" --import "$work/cut.share"
expect 2 "cannot be read" "$game" --import "$work/nothing.share"
check
[[ $(ls "$XDG_DATA_HOME/vantara/levels" | wc -l) -eq 1 ]] || fail "a refused level was kept"

echo "level commands: $((checks - failures)) passed, $failures failed"
[[ $failures -eq 0 ]]
