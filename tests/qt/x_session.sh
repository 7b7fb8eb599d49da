# What the desktop tests driven through a virtual X server share; sourced
# by them, not run.

skip() {
    echo "SKIPPED: $1"
    exit 77
}
fail() {
    echo "FAILED: $1" >&2
    exit 1
}

# Waits up to 20 seconds for a window whose title matches; prints its id.
# A search can fail outright when a window goes away while it looks (a
# dialog closing): it is asked again rather than trusted.
window_named() {
    local id
    for _ in $(seq 40); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    return 1
}

# Runs the calling script again inside a fresh virtual X server, with
# --inside before its arguments; skips when none can start or xdotool is
# missing.
rerun_inside_xvfb() {
    command -v xvfb-run >/dev/null ||
        skip "xvfb-run is not installed, so no X server can be started"
    command -v xdotool >/dev/null || skip "xdotool is not installed, so the window cannot be driven"
    local log reason
    log=$(mktemp)
    if ! xvfb-run -a -s "-screen 0 1280x1024x24" true 2>"$log"; then
        reason=$(head -c 300 "$log")
        rm -f "$log"
        skip "Xvfb could not start: $reason"
    fi
    rm -f "$log"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
}

# Waits for the program of process $1 to end by itself; fails naming it
# ($2) when it does not within 15 seconds. Answers the program's status.
wait_for_exit() {
    for _ in $(seq 150); do
        kill -0 "$1" 2>/dev/null || { wait "$1"; return $?; }
        sleep 0.1
    done
    kill "$1"
    fail "$2 did not quit"
}

# The pen stroke the end-to-end tests draw with the mouse, the map's top
# left corner at screen pixel ($1, $2) and the zoom 1: a wall kind taken
# from the palette, then a stroke across the map.
draw_pen_stroke() {
    local left=$1 top=$2
    at() { xdotool mousemove "$((left + $1))" "$((top + $2))"; sleep 0.2; }
    at 125 420; xdotool click 1; sleep 0.2
    at 225 180; xdotool mousedown 1; sleep 0.2
    at 325 180
    at 445 180
    xdotool mouseup 1; sleep 0.2
}

# The same stroke as an edit script: opens $1, draws, saves as $2.
pen_stroke_script() {
    cat <<SCRIPT
open $1
move 125 420
click 125 420
move 225 180
down 225 180
drag 325 180
drag 445 180
up 445 180
answer save $2
menu 102
SCRIPT
}
