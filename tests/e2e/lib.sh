# Shared by the whole-program tests: run under Xvfb, in a throw-away copy of the game
# directory with settings and runtime folders of its own, and clean up every process.
# A script sources this file with its own arguments: TOLVAR_BINARY GAME_DIR SCREENSHOT_DIR.

if [ "${1:-}" != "--inside-x" ]; then
    for tool in xvfb-run xdotool xclip import convert xwininfo; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (packages xvfb, xdotool, xclip, imagemagick, x11-utils)"
            exit 77
        fi
    done
    # -noreset: otherwise the server starts afresh whenever its last client leaves, and a
    # game started in that moment cannot connect (a game ended by the test is such a moment).
    exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" bash "$0" --inside-x "$@"
fi
shift
binary=$1
gamedir=$2
screens=$3

work=$(mktemp -d /tmp/tolvar-e2e.XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$screens" "$work/config" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export QT_QPA_PLATFORM=xcb  # the real X server, whatever the unit tests run on
cp -r "$gamedir" "$work/game"
rm -f "$work/game/tolvar"  # the binary under test is the built one

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
step() { echo "--- $*"; }

# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
wait_window() {
    local pattern=$1 seconds=$2 id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for process $1 to end; sets $status to its exit code.
wait_exit() {
    local pid=$1 seconds=$2
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Presses keys on a window, one key event each with a short pause for the game.
press() {  # press WINDOW KEYS...
    local window=$1
    shift
    xdotool windowfocus --sync "$window" 2>/dev/null
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.08
    done
}

# Starts the game in the work copy; its process id goes to $game.
start_game() {
    (cd "$work/game" && exec "$binary") >>"$work/game.log" 2>&1 &
    game=$!
    pids+=("$game")
}

# Starts the game and continues past its about box; the main window's id goes to $main.
start_to_main() {
    local about
    start_game
    about=$(wait_window '^ABOUT TOLVAR$' 20) || { fail "no about box"; cat "$work/game.log"; finish; }
    press "$about" alt+c
    main=$(wait_window '^TOLVAR$' 10) || { fail "no main window"; finish; }
    sleep 0.5
}

wait_gone() {  # wait_gone ID SECONDS
    for _ in $(seq $(($2 * 10))); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.1
    done
    return 1
}

# Answers the message box that must come up now with its text's window; returns 1 if none.
answer_message() {  # answer_message KEY SHOT
    local box
    sleep 0.3
    box=$(xdotool search --onlyvisible --name '^TOLVAR$' 2>/dev/null | while read -r id; do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -lt 600 ] && echo "$id"
    done | head -n 1)
    [ -n "$box" ] || return 1
    import -window root "$screens/$2.png"
    press "$box" "$1"
    wait_gone "$box" 5
}

# Presses Ctrl+X on window $1 and expects the game, process $2, to end with exit code 0.
exit_with_ctrl_x() {
    press "$1" ctrl+x
    if wait_exit "$2" 10; then
        [ "$status" -eq 0 ] || fail "the game ended with exit code $status"
    else
        fail "Ctrl+X did not end the game"
    fi
}

# Sets $client_x and $client_y, the screen place of the board of main window $1.
find_client() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    client_x=$X
    client_y=$((Y + HEIGHT - 442))
}

counter() {  # the step counter's pixels as text; find_client first
    import -window root -crop "52x23+$((client_x + 576))+$((client_y + 16))" +repage txt:- 2>/dev/null | tail -n +2 | md5sum
}

setting() { grep -s "^$1=" "$XDG_CONFIG_HOME/tolvar/tolvar.ini" | cut -d= -f2; }

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed; screenshots in $screens"
        exit 1
    fi
    echo "all checks passed; screenshots in $screens"
    exit 0
}
