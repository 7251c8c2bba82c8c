#!/bin/sh
# Runs tolvar-levels on good and broken files and checks the exit codes that
# scripts rely on. Usage: tool-exit-codes.sh TOOL SHIPPED_SET
tool="$1"
set_file="$2"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
expect() {
    want="$1"
    shift
    "$@" >"$dir/out" 2>&1
    got=$?
    if [ "$got" != "$want" ]; then
        echo "exit $got, wanted $want: $*"
        cat "$dir/out"
        failures=$((failures + 1))
    fi
}
expect 0 "$tool" --help
expect 2 "$tool"
expect 2 "$tool" frobnicate
expect 2 "$tool" verify
expect 2 "$tool" verify "$set_file" --time
expect 2 "$tool" verify "$set_file" --time -3
expect 2 "$tool" solve "$set_file" 0
expect 2 "$tool" solve "$set_file" 1x
expect 3 "$tool" verify "$dir/missing.box"
expect 3 "$tool" verify "$dir"
head -c 100 "$set_file" >"$dir/short.box"
expect 3 "$tool" verify "$dir/short.box"
# A level with a letter in it, and a set with a stray half level at its end.
head -c 280 "$set_file" | sed 's/^./x/' >"$dir/letter.box"
expect 1 "$tool" verify "$dir/letter.box"
expect 3 "$tool" solve "$dir/letter.box"
head -c 400 "$set_file" >"$dir/stray.box"
expect 1 "$tool" verify "$dir/stray.box"
# A level no one can win: the first level with its man removed.
head -c 280 "$set_file" | tr 6 2 >"$dir/noman.box"
expect 1 "$tool" verify "$dir/noman.box"
# Solve writes a solution file; export and import give back the same set.
expect 0 "$tool" solve "$set_file" 2 -o "$dir/boxsol.2"
[ -s "$dir/boxsol.2" ] || { echo "empty solution file"; failures=$((failures + 1)); }
if tr -d 7890 <"$dir/boxsol.2" | grep -q .; then echo "stray bytes in the solution file"; failures=$((failures + 1)); fi
expect 0 "$tool" export "$set_file"
"$tool" export "$set_file" >"$dir/set.txt"
expect 0 "$tool" import "$dir/set.txt" --set "$dir/again.box"
cmp -s "$set_file" "$dir/again.box" || { echo "export and import changed the set"; failures=$((failures + 1)); }
expect 3 "$tool" import "$dir/set.txt" --set "$dir/again.box"
expect 0 "$tool" import "$dir/set.txt" --dir "$dir" --first 7
cmp -s "$dir/other.7" "$dir/short.box" && { echo "other.7 is wrong"; failures=$((failures + 1)); }
[ "$(wc -c <"$dir/other.7")" = 280 ] || { echo "other.7 is not 280 bytes"; failures=$((failures + 1)); }
printf '#####\n#+$.#\n#####\n' >"$dir/onGoal.txt"
expect 1 "$tool" import "$dir/onGoal.txt" --dir "$dir"
expect 3 "$tool" import "$dir/missing.txt"
# Levels of other sizes in the text format: 30 x 17 with the man on a goal is solved and
# verified; 65 cells wide is refused with its reason.
wall() { printf "%${1}s\n" '' | tr ' ' '#'; }
{
    wall 30
    printf '#+  $ $ .%20s#\n' ''
    i=0
    while [ $i -lt 14 ]; do printf '#%28s#\n' ''; i=$((i + 1)); done
    wall 30
} >"$dir/big.txt"
expect 0 "$tool" solve "$dir/big.txt"
expect 0 "$tool" verify "$dir/big.txt"
expect 1 "$tool" import "$dir/big.txt" --dir "$dir"
{ wall 65; printf '#@$.%60s#\n' ''; wall 65; } >"$dir/wide.txt"
expect 3 "$tool" solve "$dir/wide.txt"
expect 1 "$tool" verify "$dir/wide.txt"
"$tool" verify "$dir/wide.txt" | grep -q "at most 64 x 64" || { echo "no reason for the wide level"; failures=$((failures + 1)); }
# The library of collections: a file added twice is one collection; its refusals set exit 1.
mkdir "$dir/game"
printf 'Title: Two Rooms\n#####\n#@$.#\n#####\n\n; broken\n#####\n# $.#\n#####\n' >"$dir/rooms.txt"
expect 1 "$tool" collections add "$dir/rooms.txt" --dir "$dir/game"
grep -q "refused: level 2 (line 7, broken): there is no man" "$dir/out" || { echo "no refusal said"; failures=$((failures + 1)); }
expect 1 "$tool" collections add "$dir/rooms.txt" --dir "$dir/game"
grep -q "already in the library" "$dir/out" || { echo "added twice"; failures=$((failures + 1)); }
expect 0 "$tool" collections --levels --dir "$dir/game"
grep -q "^Two Rooms: 1 level, 0 solved" "$dir/out" && grep -q "^  1  5 x 3  unsolved" "$dir/out" ||
    { echo "the library is not listed"; cat "$dir/out"; failures=$((failures + 1)); }
expect 2 "$tool" collections add
expect 2 "$tool" collections "$dir/rooms.txt"
expect 3 "$tool" collections add "$dir/missing.txt" --dir "$dir/game"
expect 3 "$tool" collections --dir "$dir/nowhere"
HOME= XDG_DATA_HOME= expect 3 "$tool" collections
exit $((failures != 0))
