#!/bin/sh
# Designs the benchmark collection: our own levels from small rooms to the
# whole board and up to a dozen boxes, each solvable by construction (the
# boxes were pulled away from the goals). Levels the solver did not finish
# while designing are kept: the benchmark is meant to find its limits.
# Usage: make-collection.sh BUILD_DIR OUT_FILE
set -e
gen="$1/bin/tolvar-levelgen"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$gen" make --collection --seed 101 --count 10 --rooms 2x2,3x2 --boxes 2-4 --solve-time 5 -o "$tmp/a.txt"
"$gen" make --collection --seed 102 --count 10 --rooms 3x3,4x2 --boxes 4-6 --solve-time 5 -o "$tmp/b.txt"
"$gen" make --collection --seed 103 --count 10 --rooms 4x3,5x3 --boxes 6-8 --beam 600 --solve-time 5 -o "$tmp/c.txt"
"$gen" make --collection --seed 104 --count 10 --rooms 6x4,5x4,6x3 --boxes 8-10 --beam 400 --solve-time 5 -o "$tmp/d.txt"
"$gen" make --collection --seed 105 --count 12 --rooms 5x4,6x4 --boxes 10-13 --beam 300 --solve-time 5 -o "$tmp/e.txt"
{
    echo "; Benchmark collection for the TOLVAR solver: our own levels, made by"
    echo "; bench/solver/make-collection.sh, in the common text format."
    echo
    cat "$tmp/a.txt" "$tmp/b.txt" "$tmp/c.txt" "$tmp/d.txt" "$tmp/e.txt"
} >"$2"
