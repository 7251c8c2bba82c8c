#!/bin/bash
# Writes solutions.txt: for every level of the shipped set its level text and a solution
# found by the level tool, so the crosscheck test can play them through the game quickly.
# Usage: make-solutions.sh [BUILD_DIR]   (after building tolvar-levels)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
tool=${1:-$root/build}/game/tolvar-levels
set_file=$root/assets/game/tolvar.box
count=$(( $(stat -c %s "$set_file") / 280 ))
out=$here/solutions.txt.new
: >"$out"
for n in $(seq 1 "$count"); do
    text=$(dd if="$set_file" bs=280 skip=$((n - 1)) count=1 status=none)
    moves=$("$tool" solve "$set_file" "$n" --time 60)
    echo "$n $text $moves" >>"$out"
    echo "level $n: ${#moves} moves"
done
mv "$out" "$here/solutions.txt"
