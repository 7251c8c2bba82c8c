#!/bin/bash
# The installed game through its launcher, under Xvfb, for a player with a new home:
# the launcher makes the game directory, the about box comes first, a level is won with
# the level-skip chord (progress stored), and Ctrl+X ends the game.
# Usage: installed_smoke.sh LAUNCHER DATA_DIR SCREENSHOT_DIR
set -u

source "$(dirname "$0")/../e2e/lib.sh"

export HOME=$work/home
unset XDG_DATA_HOME
mkdir -p "$HOME"
game_dir=$HOME/.local/share/tolvar

step "start through the launcher"
start_game  # the launcher leaves the copy of the data lib.sh made and enters the game directory
about=$(wait_window '^ABOUT TOLVAR$' 20) || { cat "$work/game.log"; fail "no about box"; finish; }
import -window root "$screens/1-about.png"
[ "$(readlink "$game_dir/tolvar.box")" = "$gamedir/tolvar.box" ] ||
    fail "the game directory has no link to the installed level set"

step "continue to the first level"
press "$about" alt+c
if ! main=$(wait_window '^TOLVAR$' 10); then
    fail "the main window did not appear after Continue"
    exit 1
fi
sleep 1
import -window root "$screens/2-main.png"
colours=$(convert "$screens/2-main.png" -format '%k' info:)
[ "$colours" -ge 50 ] || fail "the screen shows only $colours colours: no board drawn"

step "win the level"
press "$main" ctrl+alt+shift+F9
if won=$(wait_window '^ABOUT TOLVAR$' 10); then
    press "$won" Return
    for _ in $(seq 50); do
        [ "$(setting Level)" = 2 ] && break
        sleep 0.1
    done
    [ "$(setting Level)" = 2 ] || fail "the progress stored is '$(setting Level)', not level 2"
else
    fail "the level-skip chord did not win the level"
fi

step "exit with Ctrl+X"
exit_with_ctrl_x "$main" "$game"

finish
