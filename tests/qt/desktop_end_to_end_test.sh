#!/usr/bin/env bash
# The desktop editor used as a user uses it, under a virtual X server:
#  1. mapedit opens a copy of a sample; a wall kind is taken from the
#     palette and a pen stroke drawn with the mouse across its map; File > Save as... saves
#     through the save dialog, and the file equals what mapedit-cli play
#     saves for the same events; File > Quit ends the program.
#  2. File > Open... through the open dialog on a file with a parse error
#     shows the "Parse Error" box.
# Exit 77 (skipped) when no X server can be started or xdotool is missing.
set -u
if [ "${1:-}" = "--inside" ]; then
    shift
    inside=1
fi
mapedit=$1 cli=$2 sample=$3 broken=$4 compare=$5

. "$(dirname "$0")/x_session.sh"

# Chooses File > entry by its mnemonic letter.
file_menu() {
    xdotool windowfocus --sync "$1"
    xdotool key alt+f
    sleep 0.3
    xdotool key "$2"
}

# Types a path into the file dialog titled $1 and confirms it.
answer_file_dialog() {
    local dialog
    dialog=$(window_named "^$1\$") || true
    [ -n "$dialog" ] || fail "no \"$1\" dialog appeared"
    xdotool windowfocus --sync "$dialog"
    xdotool type --delay 10 "$2"
    sleep 0.3
    xdotool key Return
    # On a busy machine the name's completion list may still be open and
    # take the first Return; the dialog stays until one reaches it.
    for _ in $(seq 10); do
        sleep 0.5
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        xdotool windowfocus --sync "$dialog" 2>/dev/null && xdotool key Return
    done
}

# Where the client area lies in the window: the picture the window draws
# of itself holds the level as mapedit-cli renders it.
find_client_area() {
    "$cli" render --seed 7 "$1" -o "$work/client.png" || fail "mapedit-cli render failed"
    timeout 30 "$mapedit" --zoom 1 --seed 7 --screenshot "$work/window.png" "$1" ||
        fail "the window could not be drawn"
    local at
    at=$("$compare" --find "$work/client.png" "$work/window.png") ||
        fail "the window does not show the client area"
    map_y=${at#* }
}

# Scenario 1: draw with the mouse, save through the dialog, quit.
draw_and_save() {
    cp "$sample" "$work/level.des"
    find_client_area "$work/level.des"
    "$mapedit" --zoom 1 --seed 7 "$work/level.des" &
    local pid=$! window X Y WIDTH HEIGHT SCREEN
    window=$(window_named '^level.des - Morvath Map Construction Helper$') || true
    [ -n "$window" ] || fail "the editor window did not appear"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    draw_pen_stroke "$X" "$((Y + map_y))"
    file_menu "$window" a
    answer_file_dialog "Save As" "$work/saved.txt"
    for _ in $(seq 50); do [ -s "$work/saved.txt" ] && break; sleep 0.1; done
    [ -s "$work/saved.txt" ] || fail "nothing was saved"
    file_menu "$window" x
    wait_for_exit "$pid" mapedit || fail "mapedit quit with status $?"

    pen_stroke_script "$work/level.des" "$work/expected.txt" >"$work/same.script"
    "$cli" play --seed 7 "$work/same.script" >/dev/null || fail "mapedit-cli play failed"
    cmp "$work/expected.txt" "$work/saved.txt" || {
        diff "$work/expected.txt" "$work/saved.txt" >&2
        fail "the window saved something else than the edit script"
    }
}

# Scenario 2: a file with a parse error, opened through the open dialog.
open_broken() {
    "$mapedit" --zoom 1 --seed 7 &
    local pid=$! window box
    window=$(window_named '^Morvath Map Construction Helper$') || true
    [ -n "$window" ] || fail "the editor window did not appear"
    file_menu "$window" o
    answer_file_dialog "Open File" "$broken"
    box=$(window_named '^Parse Error$') || true
    [ -n "$box" ] || { kill "$pid"; fail "no \"Parse Error\" box appeared"; }
    xdotool windowfocus --sync "$box"
    xdotool key Return
    window=$(window_named "^$(basename "$broken") - Morvath Map Construction Helper\$") || true
    [ -n "$window" ] || { kill "$pid"; fail "the title does not name the file read"; }
    kill "$pid"
    wait "$pid" 2>/dev/null
}

if [ -n "${inside:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export QT_QPA_PLATFORM=xcb
    draw_and_save
    open_broken
    echo "the window drew, saved and reported as the edit script does"
    exit 0
fi

rerun_inside_xvfb "$@"
