#!/bin/sh
# The game in a real X window: starts munchora (no --headless) on a private Xvfb server with
# a trace, checks that the borderless window covers the screen, switches to a window of its
# own with F11 (at the size the user's settings remember) and back, and again with
# Alt+Return, presses Space and checks that play starts, then presses Escape and checks
# that the program leaves with status 0 and has kept the mode in the settings. The keys are
# real key events (xdotool, XTEST); the settings live in a private XDG_CONFIG_HOME.
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
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/munchora"
printf '[window]\nmode=full\nwidth=400\nheight=300\n' >"$XDG_CONFIG_HOME/munchora/settings.ini"
"$game" --trace trace.json 2>stderr &
game_pid=$!

wait_for 30 'grep -q "\"screen\":\"title\"" trace.json 2>/dev/null' ||
    fail "no title frames in the trace"
window=$(xdotool search --pid "$game_pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no window of munchora on the display"
xdotool windowfocus --sync "$window" 2>/dev/null

# WIDTHxHEIGHT of the game's window as the X server has it.
window_size() {
    xdotool getwindowgeometry --shell "$window" 2>/dev/null |
        awk -F= '/^WIDTH=/ { w = $2 } /^HEIGHT=/ { h = $2 } END { print w "x" h }'
}
wait_for 10 '[ "$(window_size)" = 640x480 ]' ||
    fail "the borderless window is $(window_size), not the screen's 640x480"
xdotool key F11
wait_for 10 '[ "$(window_size)" = 400x300 ]' ||
    fail "F11 gave a window of $(window_size), not the remembered 400x300"
xdotool key F11
wait_for 10 '[ "$(window_size)" = 640x480 ]' ||
    fail "F11 again gave $(window_size), not the whole screen"
xdotool key alt+Return
wait_for 10 '[ "$(window_size)" = 400x300 ]' || fail "Alt+Return gave $(window_size), not 400x300"
xdotool windowfocus --sync "$window" 2>/dev/null

xdotool key space
wait_for 20 'grep -q "\"screen\":\"play\"" trace.json' || fail "Space did not start play"

xdotool key Escape
wait_for 20 '! kill -0 "$game_pid" 2>/dev/null' || fail "Escape did not end the program"
wait "$game_pid"
status=$?
game_pid=
[ "$status" -eq 0 ] || fail "munchora exited with status $status"
settings="$XDG_CONFIG_HOME/munchora/settings.ini"
grep -q '^mode=window$' "$settings" || fail "the settings do not keep the window: $(cat "$settings")"
echo "PASS: F11 and Alt+Return switched the window's mode, play started on Space, Escape" \
    "ended the program with status 0, and the settings kept the window"
