#!/bin/sh
# Designs the large benchmark collection: on each board of big-boards.txt (20 x 14 up to
# 50 x 40: rooms, long corridors, goal rooms; 10 to 40 goals) the man pulls the boxes out
# of the goals, so every level is solvable by construction; up to three in ten boxes may
# stay on their goals. Levels the solver does not finish are kept: the collection is meant
# to find its limits. big-boards.txt is drawn by draw-big-boards.py. Last come the levels of
# rings.txt, drawn by hand: the man shut in by a ring of boxes (each proven solvable by a
# solution the solver found).
# Usage: make-big.sh BUILD_DIR OUT_FILE
set -e
here=$(dirname "$0")
{
    echo "; The large benchmark collection for the TOLVAR solver: boards up to 50 x 40 with"
    echo "; rooms, corridors and goal rooms, made by bench/solver/make-big.sh, in the common"
    echo "; text format."
    echo
    "$1/bin/tolvar-levelgen" make --collection --boards "$here/big-boards.txt" --count 2 --seed 29 \
        --beam 60 --solve-time 2 --on-goals 30%
    cat "$here/rings.txt"
} >"$2"
