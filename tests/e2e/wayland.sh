#!/bin/bash
# The real game on a Wayland desktop: Debian's sway, headless, with XWayland, in a copy of
# the game directory:
#   - natively on Wayland: a level collection is opened with real keys (Assist > Open Level
#     Collection..., its path typed into the file dialog); it goes to the library, not into
#     other.N files (the player's own other.1 stays as it was), the level that breaks the rules
#     is named, the window Collections opens on it, Enter plays its first level, the arrow key
#     wins it and Enter takes the next level offered; in the editor the edit bar lies beside the board,
#     never over it; a level is drawn with the mouse, tested with the arrow keys at once after
#     "&Test", with no click on the board, won and saved;
#   - with an X server as well the game opens its windows through XWayland, and there too
#     the arrow keys move the man at once after "&Test", the keyboard left on the edit bar.
# wayvnc, listening on a socket of its own, lends the headless seat its pointer; wtype types.
# Usage: wayland.sh TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR
set -u

if [ "${1:-}" != "--inside-x" ]; then
    for tool in sway swaymsg wayvnc wtype grim jq xdotool convert; do
        command -v "$tool" >/dev/null 2>&1 ||
            { echo "SKIP: $tool is not installed (packages sway, wayvnc, wtype, grim, jq, xdotool, imagemagick)"; exit 77; }
    done
    dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed' ||
        { echo "SKIP: Qt's Wayland plugin is not installed (package qt6-wayland)"; exit 77; }
    # sway refuses to run as root: the whole test runs as nobody then.
    if [ "$(id -u)" = 0 ]; then
        command -v setpriv >/dev/null || { echo "SKIP: root without setpriv"; exit 77; }
        mkdir -p "$3" && chown nobody "$3"
        exec setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp bash "$0" --inside-x "$@"
    fi
    exec bash "$0" --inside-x "$@"
fi
source "$(dirname "$0")/lib.sh"
unset QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
export XDG_SESSION_TYPE=wayland
rm -f "$work/game"/self* "$work/game"/other*
printf 'mine' >"$work/game/other.1"
collection=$work/pack.xsb
printf '; One\n#####\n#@$.#\n#####\n\n; On a goal\n#####\n#+$.#\n#####\n\n; Two\n######\n#@$ .#\n######\n' >"$collection"

# --- sway, headless, and a pointer for it ------------------------------------------
printf 'output HEADLESS-1 resolution 1024x768\nxwayland enable\n' >"$work/sway.config"
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    SWAYSOCK=$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [ -S "$SWAYSOCK" ] && break
    sleep 0.1
done
WAYLAND_DISPLAY=$(cd "$XDG_RUNTIME_DIR" && ls wayland-? 2>/dev/null | head -n 1)
export WAYLAND_DISPLAY
export SWAYSOCK
[ -S "$SWAYSOCK" ] || { fail "sway did not start"; cat "$work/sway.log"; finish; }
wayvnc --unix-socket "$work/vnc.sock" >"$work/vnc.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do swaymsg -t get_seats | grep -q '"type": "pointer"' && break; sleep 0.1; done
shot() { grim "$screens/$1.png"; }

# The rectangle of the window titled $1 as "X Y W H", the client area without the frame.
# The windows titled $1, one line each: "X Y W H SHELL" of the client area without the frame.
windows() {
    swaymsg -t get_tree | jq -r --arg title "$1" '.. | objects | select(.name? == $title and
        (.type == "con" or .type == "floating_con")) | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height) \(.shell)"'
}
rect() { windows "$1" | head -n 1 | grep .; }
wait_for() {  # wait_for TITLE SECONDS: waits for the window; its rectangle goes to $win
    for _ in $(seq $(($2 * 10))); do
        win=$(rect "$1") && return 0
        sleep 0.1
    done
    return 1
}
# Presses keys such as ctrl+e or Right: through Wayland's virtual keyboard, or with XTEST when
# $DISPLAY is set (XWayland does not follow the virtual keyboard's keymaps).
keys() {
    local chord parts args m
    for chord in "$@"; do
        if [ -n "${DISPLAY:-}" ]; then
            xdotool key --clearmodifiers "$chord"
        else
            IFS=+ read -ra parts <<<"$chord"
            args=()
            for m in "${parts[@]:0:${#parts[@]}-1}"; do args+=(-M "$m"); done
            args+=(-k "${parts[-1]}")
            for m in "${parts[@]:0:${#parts[@]}-1}"; do args+=(-m "$m"); done
            wtype "${args[@]}"
        fi
        sleep 0.15
    done
}
pointer() { swaymsg -q seat seat0 cursor "$@"; }
click() { pointer set "$1" "$2"; pointer press button1; pointer release button1; sleep 0.1; }
cell() { echo $((bx + $1 * 32 + 16)) $((by + $2 * 32 + 16)); }  # the middle of a board cell
answer() {  # answer KEYS SHOT: a message box (a second window titled TOLVAR) is answered with KEYS
    for _ in $(seq 50); do [ "$(windows TOLVAR | wc -l)" -ge 2 ] && break; sleep 0.1; done
    sleep 0.1
    shot "$2"
    keys "$1"
    for _ in $(seq 50); do [ "$(windows TOLVAR | wc -l)" -le 1 ] && break; sleep 0.1; done
}
start() {  # the game, past its about box; the board's corner to $bx, $by
    (cd "$work/game" && exec "$binary") >>"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
    wait_for 'ABOUT TOLVAR' 20 || { fail "no about box"; cat "$work/game.log"; finish; }
    keys alt+c
    wait_for TOLVAR 10 || { shot no-main; fail "no main window"; cat "$work/game.log"; swaymsg -t get_tree >"$screens/tree.json"; finish; }
    read -r mx my mw mh shell <<<"$win"
    bx=$mx
    by=$((my + mh - 442))
    sleep 0.3
}

step "natively on Wayland: open a collection and play its first level"
start
[ "$shell" = xdg_shell ] || fail "the game runs on '$shell', not natively"
keys alt+a c
wait_for 'Open Level Collection' 10 || { shot 1-no-dialog; fail "no file dialog"; finish; }
sleep 0.5
wtype "$collection"
keys Return
answer Return 1-refused
wait_for Collections 10 || { shot 1-no-browser; fail "the window Collections did not open on the collection"; finish; }
shot 1-collections
keys Return
dash=$(printf '\u2013')
wait_for "pack $dash 1: One $dash TOLVAR" 10 || fail "the first level of the collection is not played"
[ "$(cat "$work/game/other.1")" = mine ] || fail "the player's other.1 was changed"
[ -e "$work/game/other.2" ] && fail "the collection was written as other.N files"
keys Right
wait_for TOLVAR 10 || fail "the next level was not offered"
shot 2-won
keys Return
wait_for "pack $dash 3: Two $dash TOLVAR" 10 || fail "the next level offered is not played"
grep -qs ' R$' "$work/game/collections/"*.records || fail "the win was not recorded"

step "natively on Wayland: the edit bar beside the board"
keys ctrl+e
sleep 1
shot 3-editor
# The empty drawing is black but for the man at (9, 6): a bar over the board would show in its middle rows.
colours=$(convert "$screens/3-editor.png" -crop "$((7 * 32))x$((3 * 32))+$((bx + 32))+$((by + 5 * 32))" -format '%k' info:)
[ "$colours" = 1 ] || fail "something lies over the board in the editor ($colours colours where it is empty)"
bar_x=$((mx + (mw - 401) / 2))
bar_y=$((my + mh + 4))
bar() { click $((bar_x + $1 * 40 + 20)) $((bar_y + 19)); }  # one of the ten buttons of the bar

step "natively on Wayland: draw, test and save a level"
bar 4; click $(cell 10 6)
bar 3; click $(cell 11 6)
sleep 0.3
shot 4-drawn
bar 8   # "&Test"; the keys go to the man at once
keys Right
answer Return 5-test-over
[ "$(cat "$work/game/selfsol.1" 2>/dev/null)" = "9" ] || fail "the test was not won: selfsol.1 holds '$(cat "$work/game/selfsol.1" 2>/dev/null)'"
bar 9   # "E&xit"
answer alt+y 6-save
saved=$(cat "$work/game/self.1" 2>/dev/null)
[ "${saved:120:20}" = "00000000064300000000" ] || fail "row 6 of self.1 is '${saved:120:20}'"
keys ctrl+x
wait_exit "$game" 10 || fail "Ctrl+X did not end the game"

step "with XWayland: the keys reach the man after Test"
swaymsg -q exec "printf %s \"\$DISPLAY\" >'$work/display'"
sleep 0.5
DISPLAY=$(cat "$work/display" 2>/dev/null)
export DISPLAY
rm -f "$work/game/selfsol.1"
start
[ "$shell" = xwayland ] || fail "with an X server the game runs on '$shell', not through XWayland"
keys ctrl+l
answer Return 7-load-self   # the level saved above
wait_for 'EDIT BAR' 10 || fail "no edit bar"
read -r bar_x bar_y _ _ _ <<<"$win"   # sway centres it over the board, whatever it asks for
bar 8   # "&Test"
sleep 0.3
xdotool search --name '^EDIT BAR$' windowfocus --sync   # the keyboard left on the bar, as a strict desktop leaves it
keys Right
answer Return 8-xwayland-test-over
[ "$(cat "$work/game/selfsol.1" 2>/dev/null)" = "9" ] || fail "the arrow after Test did not reach the man through XWayland"
keys ctrl+x
wait_exit "$game" 10 || fail "Ctrl+X did not end the game"

finish
