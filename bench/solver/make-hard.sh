#!/bin/sh
# Designs the hard benchmark collection: on each board of hard-boards.txt (a
# room of goals behind narrow entrances, 10 to 16 boxes) the man pulls the
# boxes off their goals, so every level is solvable by construction, and the
# most far-flung positions the pulling reached are kept. Levels the solver does
# not finish are kept too: the collection is meant to find its limits.
# Usage: make-hard.sh BUILD_DIR OUT_FILE
set -e
here=$(dirname "$0")
{
    echo "; The hard benchmark collection for the TOLVAR solver: goal rooms and long"
    echo "; packing orders, made by bench/solver/make-hard.sh, in the common text format."
    echo
    "$1/bin/tolvar-levelgen" make --collection --boards "$here/hard-boards.txt" --count 3 --seed 14 \
        --beam 300 --solve-time 2 --on-goals 3
} >"$2"
