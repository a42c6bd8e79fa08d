#!/usr/bin/env bash
# A level whose picture is missing still plays, and the missing file is named once.
set -uo pipefail
replay=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$replay" "$work/"
cp -r "$data" "$work/data"
rm "$work/data/Column.png"

printf '0 - 0 0 0\n30 R 0 0 0\n31 - 0 0 0\n59 - 0 0 0\n' |
    "$work/$(basename "$replay")" --state 7 - > "$work/out" 2> "$work/err"
code=$?
frames=$(grep -c '"state": 7' "$work/out")
if [[ $code -ne 0 || $frames -ne 60 ]]; then
    echo "FAIL: exit $code, $frames frames played"; exit 1
fi
if [[ $(wc -l < "$work/err") -ne 1 ]] || ! grep -q 'data/Column.png' "$work/err"; then
    echo "FAIL: expected one line naming data/Column.png, got:"; cat "$work/err"; exit 1
fi
echo "missing picture: 1 passed, 0 failed"
