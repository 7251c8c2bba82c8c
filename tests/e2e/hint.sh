#!/bin/bash
# Hints from the solver win the shipped levels with real keys, in a copy of the game directory:
#   - level 1 is won by one Assist > Hint chosen through the menu with the keyboard: the man
#     walks to the box and pushes it home, the solution is stored and level 2 comes up;
#   - level 2 needs several pushes: Ctrl+I again and again steps through the solution found,
#     one push each, until the level is won;
#   - a collection opened through Assist > Open Level Collection and its file dialog shows in the
#     window "Collections"; Enter plays its first level, a push by the arrow key wins it, the win
#     is recorded and the next level offered; Enter takes the offer.
# Usage: hint.sh TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR
set -u

source "$(dirname "$0")/lib.sh"
rm -f "$work/game"/boxsol.*

# Waits until the step counter has moved from $1 and stood still, or a level is won
# (its window's id goes to $won); returns 1 when neither happens within 10 s.
wait_hint() {  # wait_hint COUNTER_BEFORE
    local last now
    last=$1
    for _ in $(seq 50); do
        won=$(xdotool search --onlyvisible --name '^ABOUT TOLVAR$' 2>/dev/null | head -n 1)
        [ -n "$won" ] && return 0
        sleep 0.2
        now=$(counter)
        [ "$now" != "$1" ] && [ "$now" = "$last" ] && return 0
        last=$now
    done
    return 1
}

step "start"
start_to_main
find_client "$main"

step "level 1: Assist > Hint"
before=$(counter)
press "$main" alt+a h
if wait_hint "$before" && [ -n "$won" ]; then
    import -window root "$screens/1-won.png"
    press "$won" Return
else
    import -window root "$screens/1-not-won.png"
    fail "one hint did not win level 1"
fi
sleep 0.3
moves=$(cat "$work/game/boxsol.1" 2>/dev/null)
[ "${#moves}" -eq 2 ] || fail "boxsol.1 holds '$moves', not a step and a push"
[ "$(setting Level)" = "2" ] || fail "the stored level is '$(setting Level)', not 2"

step "level 2: Ctrl+I push after push"
hints=0
won=""
while [ -z "$won" ] && [ "$hints" -lt 12 ]; do
    before=$(counter)
    press "$main" ctrl+i
    hints=$((hints + 1))
    wait_hint "$before" || { fail "hint $hints moved nothing"; break; }
done
if [ -n "$won" ]; then
    import -window root "$screens/2-won.png"
    press "$won" Return
    [ "$hints" -gt 1 ] || fail "level 2 was won by a single hint"
    echo "level 2 won by $hints hints"
else
    import -window root "$screens/2-not-won.png"
    fail "$hints hints did not win level 2"
fi
sleep 0.3
[ -s "$work/game/boxsol.2" ] || fail "no boxsol.2"
[ "$(setting Level)" = "3" ] || fail "the stored level is '$(setting Level)', not 3"

step "a collection: opened through the dialog, its first level won, the next one offered"
mkdir -p "$work/files"
printf 'Title: Two Rooms\n\n; First\n#####\n#@$.#\n#####\n\n; Second\n######\n#+$ .#\n#  $ #\n######\n' \
    >"$work/files/rooms.txt"
press "$main" alt+a c
if dialog=$(wait_window '^Open Level Collection$' 10); then
    sleep 0.5
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 20 "$work/files/rooms.txt"
    press "$dialog" Return
else
    fail "no file dialog"
fi
if browser=$(wait_window '^Collections$' 10); then
    import -window root "$screens/3-collections.png"
    press "$browser" Return
else
    fail "the window Collections did not open on the collection"
fi
wait_window '^Two Rooms .* 1: First .* TOLVAR$' 10 >/dev/null || fail "its first level is not played"
press "$main" Right
answer_message Return 3-next-offered || fail "the next level was not offered"
wait_window '^Two Rooms .* 2: Second .* TOLVAR$' 10 >/dev/null || fail "the next level offered is not played"
import -window root "$screens/4-next-level.png"
grep -qs ' R$' "$work/game/collections/"*.records || fail "the win of level 1 was not recorded"

exit_with_ctrl_x "$main" "$game"
finish
