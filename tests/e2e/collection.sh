#!/bin/bash
# A level collection opened from the game with real keys: Assist > Open Level Collection...,
# its path typed into the file dialog. The levels that fit become the next free other.N
# beside the player's own level (which stays as it was), a message says so, and the first
# imported level is played and won at once.
# Usage: collection.sh TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR
set -u

source "$(dirname "$0")/lib.sh"
rm -f "$work/game"/other*
printf 'mine' >"$work/game/other.1"
collection=$work/pack.xsb
printf '; One\n#####\n#@$.#\n#####\n\n; On a goal\n#####\n#+$.#\n#####\n\n; Two\n######\n#@$ .#\n######\n' >"$collection"

step "start"
start_to_main

step "Assist > Open Level Collection..."
press "$main" alt+a
sleep 0.3
import -window root "$screens/0-menu.png"
press "$main" c
if ! dialog=$(wait_window '^Open Level Collection$' 10); then
    import -window root "$screens/1-no-dialog.png"
    fail "no file dialog"
    finish
fi
sleep 0.5
import -window root "$screens/1-dialog.png"
xdotool windowfocus --sync "$dialog" 2>/dev/null
xdotool type --delay 20 "$collection"
sleep 0.3
press "$dialog" Return
answer_message Return "2-imported" || fail "no message about the import"
[ "$(cat "$work/game/other.1")" = mine ] || fail "the player's other.1 was changed"
[ -s "$work/game/other.2" ] && [ -s "$work/game/other.3" ] || fail "other.2 and other.3 were not written"
[ -e "$work/game/other.4" ] && fail "a refused level was written"

step "the first imported level is in play"
press "$main" Right
answer_message Return "3-won" || fail "Right did not win the imported level"
[ "$(cat "$work/game/othersol.2" 2>/dev/null)" = 9 ] || fail "othersol.2 does not hold the winning move"

exit_with_ctrl_x "$main" "$game"
finish
