#!/bin/sh
# Fails when a file of a room includes a header of a room that DESIGN.md does not let it
# include, or when a room of standard C++ includes Qt. Usage: include_rooms.sh SOURCE_ROOT
set -eu
root=${1:-$(dirname "$0")/../..}
cd "$root"
status=0
# The table's rows: "| room | may include | holds |".
rows=$(sed -n '/^## Who may include whom/,/^## /p' DESIGN.md | grep -E '^\| [a-z]+ \|' | grep -v '^| room |')
rooms=$(printf '%s\n' "$rows" | awk -F'|' '{gsub(/ /, "", $2); print $2}')
while IFS='|' read -r _ room allowed holds; do
    room=$(echo "$room" | tr -d ' ')
    allowed=$(echo "$allowed" | tr -d ' ' | tr ',' ' ')
    [ -d "$room" ] || continue
    for file in $(find "$room" -name '*.h' -o -name '*.cpp'); do
        for target in $(grep -hoE '^#include "[a-z]+/' "$file" | sed 's/#include "//; s#/##' | sort -u); do
            [ "$target" = "$room" ] && continue
            echo "$rooms" | grep -qx "$target" || continue
            case " $allowed " in
            *" $target "*) ;;
            *) echo "$file includes $target/, which $room/ may not include"; status=1 ;;
            esac
        done
        case "$holds" in
        *"standard C++"*)
            if grep -qE '^#include <Q' "$file"; then
                echo "$file includes Qt, but $room/ is standard C++"
                status=1
            fi ;;
        esac
    done
done <<ROWS
$rows
ROWS
exit "$status"
