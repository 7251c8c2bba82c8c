#!/bin/sh
# Designs candidate levels in tiers, from one-box rooms to large stores,
# then puts candidates and hand-made levels together in order of measured
# difficulty. The result was looked over by hand and became
# assets/levels/tolvar.txt; the shipped set is written from it with
#   tolvar-levels import assets/levels/tolvar.txt --set assets/game/tolvar.box --force
# Usage: make-level-set.sh BUILD_DIR OUT_DIR
set -e
gen="$1/bin/tolvar-levelgen"
out="$2"
mkdir -p "$out"
"$gen" make --seed 11 --count 10 --rooms 2x2,3x2 --boxes 1-2 --min-pushes 4 -o "$out/tier1.txt"
"$gen" make --seed 12 --count 10 --rooms 3x2,2x3 --boxes 2-3 --min-pushes 8 -o "$out/tier2.txt"
"$gen" make --seed 13 --count 14 --rooms 3x3,4x2 --boxes 3-4 --min-pushes 15 -o "$out/tier3.txt"
"$gen" make --seed 14 --count 14 --rooms 4x3,3x3 --boxes 5-6 --min-pushes 25 --beam 800 -o "$out/tier4.txt"
"$gen" make --seed 15 --count 12 --rooms 4x3,5x3 --boxes 6-7 --min-pushes 35 --beam 500 -o "$out/tier5.txt"
"$gen" make --seed 16 --count 12 --rooms 5x3,4x3 --boxes 8-10 --min-pushes 50 --beam 400 -o "$out/tier6.txt"
