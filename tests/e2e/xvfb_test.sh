#!/bin/sh
# The game in a real X window: starts munchora (no --headless) on a private Xvfb server with
# a trace, presses Space and checks that play starts, then presses Escape and checks that
# the program leaves with status 0. The keys are real key events (xdotool, XTEST).
#
# usage: xvfb_test.sh MUNCHORA DATA_DIR
# Exits 77 (CTest's skip) when Xvfb or xdotool is not installed.
set -u

game=$1
data=$2

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed, so the real-window test cannot run"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    echo "--- standard error of munchora:"
    cat "$work/stderr" 2>/dev/null
    echo "--- last trace lines:"
    tail -n 3 "$work/trace.json" 2>/dev/null
    exit 1
}

# Polls a shell condition every 0.1 s for up to $1 seconds.
wait_for() {
    limit=$(( $1 * 10 ))
    shift
    while [ "$limit" -gt 0 ]; do
        if eval "$@"; then
            return 0
        fi
        sleep 0.1
        limit=$((limit - 1))
    done
    return 1
}

# A free display number, chosen by the server itself.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 20 '[ -s "$work/display" ]' || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
unset WAYLAND_DISPLAY
export SDL_VIDEODRIVER=x11
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"

cp -r "$data"/. "$work"/
cd "$work" || exit 1
"$game" --trace trace.json 2>stderr &
game_pid=$!

wait_for 30 'grep -q "\"screen\":\"title\"" trace.json 2>/dev/null' ||
    fail "no title frames in the trace"
window=$(xdotool search --pid "$game_pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no window of munchora on the display"
xdotool windowfocus --sync "$window" 2>/dev/null

xdotool key space
wait_for 20 'grep -q "\"screen\":\"play\"" trace.json' || fail "Space did not start play"

xdotool key Escape
wait_for 20 '! kill -0 "$game_pid" 2>/dev/null' || fail "Escape did not end the program"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "munchora exited with status $status"
echo "PASS: play started on Space, Escape ended the program with status 0"
