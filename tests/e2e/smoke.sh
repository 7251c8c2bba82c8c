#!/bin/bash
# The real game under Xvfb, in a copy of the game directory with a settings folder
# and a runtime folder of its own:
#   - the about box comes first; "&Continue" brings up the main window with the board drawn;
#   - a second start while the first runs ends at once, shows nothing, exit code 0;
#   - the level-skip chord, with and without Shift, wins the level (progress stored);
#   - Ctrl+E brings up the edit bar at the top of the screen, F1 the help window;
#   - Ctrl+X ends the game, edit bar and help window included;
#   - without tolvar.box only "No related file!" shows, and the game ends having written nothing.
# Usage: smoke.sh TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR
set -u

source "$(dirname "$0")/lib.sh"

visible_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l; }
level_stored() { setting Level; }

# --- The first start: about box, then the main window --------------------------
step "first start"
(cd "$work/game" && exec "$binary") >"$work/first.log" 2>&1 &
first=$!
pids+=("$first")
if ! about=$(wait_window '^ABOUT TOLVAR$' 20); then
    fail "the about box did not appear"
    cat "$work/first.log"
    exit 1
fi
import -window root "$screens/1-about.png"
if xdotool search --onlyvisible --name '^TOLVAR$' >/dev/null 2>&1; then
    fail "the main window showed before the about box was closed"
fi

step "second start while the first runs"
before=$(visible_windows)
(cd "$work/game" && exec "$binary") >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
if wait_exit "$second" 10; then
    [ "$status" -eq 0 ] || fail "the second start ended with exit code $status"
else
    fail "the second start is still running"
fi
[ "$(visible_windows)" -eq "$before" ] || fail "the second start showed a window"

step "continue"
press "$about" alt+c
if ! main=$(wait_window '^TOLVAR$' 10); then
    fail "the main window did not appear after Continue"
    exit 1
fi
sleep 1
import -window root "$screens/2-main.png"
eval "$(xdotool getwindowgeometry --shell "$main")"
echo "main window ${WIDTH}x${HEIGHT} at ${X},${Y}"
[ "$WIDTH" -eq 640 ] || fail "the main window is $WIDTH pixels wide, not 640"
# The board: many colours and a fair share of light pixels, not a black client area.
board="640x442+${X}+$((Y + HEIGHT - 442))"
colours=$(convert "$screens/2-main.png" -crop "$board" +repage -format '%k' info:)
mean=$(convert "$screens/2-main.png" -crop "$board" +repage -format '%[fx:int(mean*1000)]' info:)
echo "board: $colours colours, mean brightness $mean/1000"
[ "$colours" -ge 50 ] || fail "the board shows only $colours colours"
[ "$mean" -ge 20 ] || fail "the board is nearly black (mean $mean/1000)"
# Pixels sampled over the board: not all the same.
samples=""
for xy in "100,100" "320,221" "200,300" "500,150" "30,30" "600,400"; do
    samples+="$(convert "$screens/2-main.png" -crop "1x1+$((X + ${xy%,*}))+$((Y + HEIGHT - 442 + ${xy#*,}))" +repage -format '%[hex:p]' info:) "
done
echo "samples: $samples"
[ "$(echo "$samples" | tr ' ' '\n' | sort -u | grep -c .)" -ge 3 ] || fail "the sampled board pixels are all alike"

# --- The level-skip chord -------------------------------------------------------
# Presses a chord on the main window and expects the won window and one more level stored.
skip_with() {
    local chord=$1 current expected won
    current=$(level_stored)
    expected=$(( ${current:-1} + 1 ))
    press "$main" "$chord"
    if won=$(wait_window '^ABOUT TOLVAR$' 10); then
        import -window root "$screens/3-won-$chord.png"
        press "$won" Return
        # The progress is stored once the won window is closed.
        for _ in $(seq 50); do
            [ "$(level_stored)" = "$expected" ] && break
            sleep 0.1
        done
        [ "$(level_stored)" = "$expected" ] || fail "$chord: stored level is '$(level_stored)', expected $expected"
    else
        fail "$chord did not win the level"
    fi
}

step "level-skip chord with Shift"
skip_with ctrl+alt+shift+F9

# A stock X server keeps plain Ctrl+Alt+F9 for itself (a console switch). Where the
# desktop lets it through, it arrives as the console-switch keysym: take the
# switch action out of the server's keymap to get that case.
step "level-skip chord as the console-switch keysym"
if xkbcomp -xkb "$DISPLAY" "$work/keymap.xkb" 2>/dev/null; then
    sed -i 's/action= *SwitchScreen([^)]*)/action= NoAction()/' "$work/keymap.xkb"
    xkbcomp "$work/keymap.xkb" "$DISPLAY" 2>/dev/null
    sleep 0.5
    skip_with ctrl+alt+F9
else
    echo "xkbcomp cannot read the keymap: console-switch case not tried"
fi

step "editor and help"
press "$main" ctrl+e
if bar=$(wait_window '^EDIT BAR$' 10); then
    eval "$(xdotool getwindowgeometry --shell "$bar")"
    [ "${WIDTH}x${HEIGHT}" = "401x38" ] || fail "the edit bar is ${WIDTH}x${HEIGHT}"
    [ "$Y" -eq 0 ] && [ "$X" -eq $(( (1024 - 401) / 2 )) ] || fail "the edit bar is at $X,$Y, not centred at the top"
else
    fail "Ctrl+E showed no edit bar"
fi
press "$main" F1
wait_window '^TOLVAR Help$' 10 >/dev/null || fail "F1 showed no help window"
sleep 0.5
import -window root "$screens/5-editor-and-help.png"

step "exit with Ctrl+X"
exit_with_ctrl_x "$main" "$first"
[ "$(visible_windows)" -eq 0 ] || fail "windows are left after the game ended"

# --- No level set ------------------------------------------------------------------
step "start without tolvar.box"
rm -f "$work/game/tolvar.box"
rm -rf "$XDG_CONFIG_HOME/tolvar"
(cd "$work/game" && exec "$binary") >"$work/missing.log" 2>&1 &
missing=$!
pids+=("$missing")
if box=$(wait_window '^TOLVAR$' 20); then
    sleep 0.5
    import -window root "$screens/4-missing.png"
    eval "$(xdotool getwindowgeometry --shell "$box")"
    [ "$WIDTH" -lt 640 ] || fail "the window without a level set is the main window"
    xdotool search --onlyvisible --name '^ABOUT TOLVAR$' >/dev/null 2>&1 && fail "the about box showed without a level set"
    press "$box" Return
    if wait_exit "$missing" 10; then
        [ "$status" -eq 0 ] || fail "the game without a level set ended with exit code $status"
    else
        fail "the game without a level set did not end after the message"
    fi
else
    fail "no message without tolvar.box"
fi
[ -e "$XDG_CONFIG_HOME/tolvar/tolvar.ini" ] && fail "the settings file was written without a level set"

finish
