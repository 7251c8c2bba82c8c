#!/bin/bash
# The real game under Xvfb, played with real key presses and mouse clicks, in a copy of
# the game directory holding a level set of our own:
#   - a click walks the man, Ctrl+Z takes the walk back step by step, Ctrl+Y and
#     Ctrl+Shift+Z make it again, and a box is picked by a click and let go by a right click;
#   - level 1 is won by its moves, with one push taken back by Ctrl+U on the way; the
#     solution file holds exactly the moves that count and the progress is stored;
#   - a stored solution of level 2 is replayed with "&Trace" until "Tracing over!";
#   - a solution of level 2 in l u r d letters, pasted with Ctrl+V, is replayed to its win;
#   - a menu closed with Escape hands the arrows back to the board;
#   - a level is drawn in the editor with the mouse (a row of walls in one drag); Ctrl+X
#     asks to save it first, and Yes saves it (tests of drawn levels: wayland.sh).
# Usage: play.sh TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR
set -u

source "$(dirname "$0")/lib.sh"
rm -f "$work/game"/boxsol.* "$work/game"/self* "$work/game"/other*

# Two levels of our own, 14 rows of 20 cells each.
level() {
    local rows=("$@") text="" row
    for i in $(seq 0 13); do
        row=${rows[$i]:-}
        while [ ${#row} -lt 20 ]; do row+="0"; done
        text+=$row
    done
    printf '%s' "$text"
}
{
    # Two boxes in two corridors: the first push does not win.
    level "" "01111111" "01624321" "01222221" "01224321" "01111111"
    # One box, one goal: right, right.
    level "" "0111111" "0162431" "0111111"
} >"$work/game/tolvar.box"
printf '99' >"$work/game/boxsol.2"

step "start"
start_to_main
find_client "$main"

step "walk with the mouse, take the walk back and make it again"
start=$(counter)
click_at() {  # click_at BUTTON X Y: the middle of a board cell
    xdotool mousemove --sync $((client_x + $2 * 32 + 16)) $((client_y + $3 * 32 + 16)) click "$1"
    sleep 0.1
}
click_at 1 6 3     # five steps round the first box
sleep 0.5
walked=$(counter)
[ "$walked" != "$start" ] || fail "a click on a cell in reach did not walk the man"
press "$main" ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z
sleep 0.2
[ "$(counter)" = "$start" ] || fail "five times Ctrl+Z did not take the walk back to the start"
press "$main" ctrl+y ctrl+y ctrl+y ctrl+y ctrl+shift+z
sleep 0.2
[ "$(counter)" = "$walked" ] || fail "Ctrl+Y and Ctrl+Shift+Z did not make the walk again"
press "$main" ctrl+z ctrl+z ctrl+z ctrl+z ctrl+z
click_at 1 4 4     # the lower box picked, shown with its mark
sleep 0.3
import -window root "$screens/0-picked.png"
click_at 3 4 4     # a right click lets it go
[ "$(counter)" = "$start" ] || fail "picking a box and letting it go moved the man"

step "play level 1, taking one push back"
press "$main" alt+g Escape Right   # the arrow after Escape moves the man, opening no menu
one_step=$(counter)
[ "$one_step" != "$start" ] || fail "after Escape in a menu the arrow did not reach the board"
press "$main" Right
pushed=$(counter)
press "$main" ctrl+u
sleep 0.3
[ "$(counter)" = "$one_step" ] || fail "Ctrl+U did not take the push back (step counter)"
[ "$pushed" != "$one_step" ] || fail "the step counter did not count the push"
import -window root "$screens/1-undone.png"
press "$main" Right Down Left Down Right
won=$(wait_window '^ABOUT TOLVAR$' 10) || fail "level 1 was not won"
import -window root "$screens/2-won.png"
[ "$(cat "$work/game/boxsol.1" 2>/dev/null)" = "990709" ] || fail "boxsol.1 holds '$(cat "$work/game/boxsol.1" 2>/dev/null)', not 990709"
press "$won" Return
sleep 0.5
[ "$(setting Level)" = "2" ] || fail "the stored level is '$(setting Level)', not 2"

step "replay the stored solution of level 2"
press "$main" ctrl+s
sleep 0.5
import -window root "$screens/3-trace.png"
press "$main" Return   # the trace button has the focus
press "$main" Return
answer_message Return "4-tracing-over" || fail "no \"Tracing over!\" message"
[ "$(cat "$work/game/boxsol.2")" = "99" ] || fail "the replay changed boxsol.2"

step "paste a solution of level 2 and replay it"
printf 'r\nR\n' | xclip -selection clipboard   # xclip serves the clipboard until the game takes it
press "$main" ctrl+v
sleep 0.5
press "$main" Return Return
answer_message Return "4b-pasted-solution-won" || fail "the pasted solution was not replayed to \"Tracing over!\""

step "draw a level in the editor"
press "$main" ctrl+e
bar=$(wait_window '^EDIT BAR$' 10) || { fail "no edit bar"; exit 1; }
sleep 0.3
click_board() {  # click_board X Y: the middle of a board cell
    xdotool mousemove --sync $((client_x + $1 * 32 + 16)) $((client_y + $2 * 32 + 16)) click 1
    sleep 0.05
}
click_bar() {  # click_bar INDEX: one of the ten buttons of the edit bar
    eval "$(xdotool getwindowgeometry --shell "$bar")"
    xdotool mousemove --sync $((X + $1 * 40 + 20)) $((Y + 19)) click 1
    sleep 0.1
}
drag_board() {  # drag_board X1 X2 Y: the button held from cell (X1, Y) to (X2, Y)
    xdotool mousemove --sync $((client_x + $1 * 32 + 16)) $((client_y + $3 * 32 + 16)) mousedown 1
    for x in $(seq "$1" "$2"); do
        xdotool mousemove --sync $((client_x + x * 32 + 20)) $((client_y + $3 * 32 + 16))
    done
    xdotool mouseup 1
    sleep 0.1
}
click_bar 1
drag_board 7 12 5
for x in 7 8 9 10 11 12; do click_board "$x" 7; done
click_board 7 6
click_board 12 6
click_bar 2; click_board 8 6
click_bar 4; click_board 10 6
click_bar 3; click_board 11 6
sleep 0.3
import -window root "$screens/5-drawn.png"
step "Ctrl+X asks about the changed drawing; Yes saves it"
press "$main" ctrl+x
answer_message alt+y "6-exit-question" || fail "no question to save on Ctrl+X"
wait_exit "$game" 10 || fail "the game did not end after Yes"
[ "$(setting SelfLevel)" = "1" ] || fail "SelfLevel is '$(setting SelfLevel)', not 1"
saved=$(cat "$work/game/self.1" 2>/dev/null)
[ "${#saved}" -eq 280 ] || fail "self.1 holds ${#saved} bytes"
[ "${saved:100:20}" = "00000001111110000000" ] || fail "row 5 of self.1 (the drag) is '${saved:100:20}'"
[ "${saved:120:20}" = "00000001264310000000" ] || fail "row 6 of self.1 is '${saved:120:20}'"

finish
