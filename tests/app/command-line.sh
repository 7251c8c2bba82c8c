#!/bin/sh
# The game's command line: --help and --version answer, anything else it does not take gets
# the usage on standard error and exit code 2, and without a display it says so in one line
# and ends with exit code 1, never aborting. Usage: command-line.sh TOLVAR_BINARY
binary=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
failures=0
expect() {  # expect CODE STDERR_LINES DESCRIPTION COMMAND...
    code=$1 lines=$2 what=$3
    shift 3
    "$@" >out 2>err </dev/null
    got=$?
    if [ "$got" != "$code" ]; then
        echo "FAIL: $what: exit code $got, not $code"; cat out err; failures=$((failures + 1))
    elif [ "$lines" != any ] && [ "$(wc -l <err)" != "$lines" ]; then
        echo "FAIL: $what: $(wc -l <err) lines on standard error, not $lines"; cat err; failures=$((failures + 1))
    fi
}
expect 0 0 "--help" "$binary" --help
grep -q '^Usage: tolvar' out || { echo "FAIL: --help shows no usage"; failures=$((failures + 1)); }
expect 2 any "an unknown option" "$binary" --frobnicate
grep -q '^tolvar: --frobnicate: unknown option' err && grep -q '^Usage: tolvar' err && [ ! -s out ] ||
    { echo "FAIL: the unknown option is not named with the usage on standard error"; failures=$((failures + 1)); }
expect 2 any "a word" "$binary" level.txt
expect 2 any "a Qt option without its value" "$binary" -platform
nodisplay="env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
expect 1 1 "no display at all" $nodisplay "$binary"
expect 1 1 "an X server that is not there" $nodisplay DISPLAY=:249 "$binary"
expect 1 1 "a Wayland display that is not there" $nodisplay WAYLAND_DISPLAY=tolvar-none XDG_RUNTIME_DIR="$dir" "$binary"
expect 1 1 "the X11 platform asked for without an X server" $nodisplay WAYLAND_DISPLAY=w "$binary" -platform xcb
[ "$failures" -eq 0 ] && echo "all checks passed"
exit "$failures"
