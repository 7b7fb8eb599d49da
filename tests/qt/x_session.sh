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

# Waits for a window whose title matches; prints its id.
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -1
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
