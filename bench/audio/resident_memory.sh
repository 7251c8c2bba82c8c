#!/usr/bin/env bash
# The game's resident memory with music on: runs the real binary under Xvfb with a private
# sound server on a null output, dismisses the about box, samples VmRSS twice a second and
# prints the largest. Optional SECOND:KEYS pairs press keys on the game at that second, e.g.
# 12:ctrl+c 13:ctrl+c switches the music off and on (the other piece starts).
#   bench/audio/resident_memory.sh BINARY GAME_DIR SECONDS [SECOND:KEYS ...]
# Needs xvfb, xdotool and pulseaudio. A whole turn of the two pieces takes about 10 minutes.
set -u
if [ $# -lt 3 ]; then
    sed -n '2,6p' "$0" >&2
    exit 2
fi
binary=$(realpath "$1") gamedir=$2 seconds=$3
shift 3
declare -A keys
for pair in "$@"; do keys[${pair%%:*}]=${pair#*:}; done

work=$(mktemp -d /tmp/tolvar-resident.XXXXXX)
mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run QT_QPA_PLATFORM=xcb
cp -r "$gamedir" "$work/game"
rm -f "$work/game/tolvar"
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --load="module-null-sink sink_name=null" \
    --load=module-native-protocol-unix 2>/dev/null
Xvfb :57 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xserver=$!
export DISPLAY=:57
sleep 1
(cd "$work/game" && exec "$binary") >/dev/null 2>&1 &
game=$!
cleanup() {
    kill "$game" "$xserver" 2>/dev/null
    [ -f "$XDG_RUNTIME_DIR/pulse/pid" ] && kill "$(cat "$XDG_RUNTIME_DIR/pulse/pid")" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
sleep 3
xdotool key Return  # the about box
largest=0
for half in $(seq 0 $((seconds * 2))); do
    second=$((half / 2))
    if [ $((half % 2)) = 0 ] && [ -n "${keys[$second]:-}" ]; then
        window=$(xdotool search --onlyvisible --name TOLVAR | head -n 1)
        xdotool windowfocus --sync "$window" 2>/dev/null
        xdotool key "${keys[$second]}"
        echo "t=$second pressed ${keys[$second]}"
    fi
    rss=$(awk '/^VmRSS/ {print $2}' "/proc/$game/status" 2>/dev/null) || break
    [ "$rss" -gt "$largest" ] && largest=$rss
    [ $((half % 2)) = 0 ] && echo "t=$second VmRSS $rss kB"
    sleep 0.5
done
echo "largest VmRSS: $largest kB"
