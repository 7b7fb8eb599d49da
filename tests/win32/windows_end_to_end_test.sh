#!/usr/bin/env bash
# The Windows editor used as a user uses it, under Wine and a virtual X
# server, driven with xdotool:
#  1. mapedit.exe shows the map area exactly as mapedit-cli.exe renders it.
#  2. A wall kind is taken from the palette and a pen stroke drawn across
#     the map of a copy of a sample; File > Save as... saves through the
#     common dialog, and the file equals what mapedit-cli.exe play saves
#     for the same events; File > Quit ends the program.
#  3. File > Open... through the common dialog on a file with a parse error
#     shows the "Parse Error" box, and the title names the file read.
#  4. A file of several levels named at start-up asks which level to edit;
#     the Down key passes over the level that cannot be edited, and Enter
#     opens the next.
# Exit 77 (skipped) when Wine, Xvfb or xdotool cannot be had.
set -u
if [ "${1:-}" = "--inside" ]; then
    shift
    inside=1
fi
mapedit=$1 cli=$2 window_part=$3 wine_run=$4 sample=$5 broken=$6 several=$7

. "$(dirname "$0")/../qt/x_session.sh"

title_of() { echo "$1 - Morvath Map Construction Helper"; }

# Windows paths for the common dialogs, which take no other: drive Z: is
# the root of the file system.
windows_path() { echo "Z:${1//\//\\}"; }

# The map area's place on the screen, from Windows' own account of it.
map_origin() {
    local place
    for _ in $(seq 50); do
        place=$("$wine_run" "$window_part" "$1" MapeditMapView 2>/dev/null) && break
        sleep 0.2
    done
    [ -n "$place" ] || fail "the map area of \"$1\" was not found"
    set -- $place
    left=$1 top=$2
}

file_menu() {
    xdotool windowfocus --sync "$1"
    xdotool key alt+f
    sleep 0.5
    xdotool key "$2"
}

# Types a path into the common dialog titled $1 and confirms it.
answer_file_dialog() {
    local dialog
    dialog=$(window_named "^$1\$") || true
    [ -n "$dialog" ] || fail "no \"$1\" dialog appeared"
    xdotool windowfocus --sync "$dialog"
    sleep 0.3
    # Replaces the name offered: the edit box takes no Ctrl+A.
    xdotool key End shift+Home
    xdotool type --delay 20 "$2"
    sleep 0.3
    xdotool key Return
}

# Scenario 1: what the window shows of a level is what render draws.
shows_the_render() {
    "$wine_run" "$cli" render --seed 7 "$sample" -o "$work/render.png" ||
        fail "mapedit-cli.exe render failed"
    timeout 60 "$wine_run" "$mapedit" --zoom 1 --seed 7 --grab "$work/grab.png" "$sample" ||
        fail "mapedit.exe could not grab its map area"
    cmp -s "$work/render.png" "$work/grab.png" ||
        fail "the map area on the screen differs from mapedit-cli.exe render"
}

# Scenario 2: draw with the mouse, save through the dialog, quit.
draw_and_save() {
    cp "$sample" "$work/level.des"
    "$wine_run" "$mapedit" --zoom 1 --seed 7 "$work/level.des" &
    local pid=$! window left top
    window=$(window_named "^$(title_of level.des)\$") || true
    [ -n "$window" ] || fail "the editor window did not appear"
    map_origin "$(title_of level.des)"
    draw_pen_stroke "$left" "$top"
    file_menu "$window" a
    answer_file_dialog "Save As" "$(windows_path "$work/saved.txt")"
    for _ in $(seq 100); do [ -s "$work/saved.txt" ] && break; sleep 0.1; done
    [ -s "$work/saved.txt" ] || { kill "$pid"; fail "nothing was saved"; }
    file_menu "$window" x
    wait_for_exit "$pid" mapedit.exe || fail "mapedit.exe quit with status $?"

    pen_stroke_script "$work/level.des" "$work/expected.txt" >"$work/same.script"
    "$wine_run" "$cli" play --seed 7 "$work/same.script" >/dev/null ||
        fail "mapedit-cli.exe play failed"
    cmp "$work/expected.txt" "$work/saved.txt" || {
        diff "$work/expected.txt" "$work/saved.txt" >&2
        fail "the window saved something else than the edit script"
    }
}

# Scenario 3: a file with a parse error, opened through the open dialog.
open_broken() {
    "$wine_run" "$mapedit" --zoom 1 --seed 7 &
    local pid=$! window box
    window=$(window_named '^Morvath Map Construction Helper$') || true
    [ -n "$window" ] || fail "the editor window did not appear"
    file_menu "$window" o
    answer_file_dialog "Open File" "$(windows_path "$broken")"
    box=$(window_named '^Parse Error$') || true
    [ -n "$box" ] || { kill "$pid"; fail "no \"Parse Error\" box appeared"; }
    xdotool windowfocus --sync "$box"
    xdotool key Return
    window=$(window_named "^$(title_of "$(basename "$broken")")\$") || true
    [ -n "$window" ] || { kill "$pid"; fail "the title does not name the file read"; }
    file_menu "$window" x
    wait_for_exit "$pid" mapedit.exe || fail "mapedit.exe quit with status $?"
}

# Scenario 4: the level question at start-up.
level_question() {
    "$wine_run" "$mapedit" --zoom 1 --seed 7 "$several" &
    local pid=$! window dialog
    dialog=$(window_named '^Open Level$') || true
    [ -n "$dialog" ] || { kill "$pid"; fail "no \"Open Level\" question appeared"; }
    xdotool windowfocus --sync "$dialog"
    sleep 0.5
    xdotool key Down
    sleep 0.3
    xdotool key Return
    window=$(window_named "^$(title_of "$(basename "$several") \\(tower-2\\)")\$") || true
    [ -n "$window" ] || { kill "$pid"; fail "the level chosen, tower-2, was not opened"; }
    file_menu "$window" x
    wait_for_exit "$pid" mapedit.exe || fail "mapedit.exe quit with status $?"
}

if [ -n "${inside:-}" ]; then
    work=$(mktemp -d)
    # A prefix of its own: Wine ties a prefix's windows to one X display,
    # and other tests may show theirs on another. Its server ends with the
    # display.
    export MAPEDIT_WINEPREFIX="${MAPEDIT_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/mapedit-wine}-desktop"
    trap '"$wine_run" --stop; rm -rf "$work"' EXIT
    shows_the_render
    draw_and_save
    open_broken
    level_question
    echo "the Windows editor drew, saved, asked, reported and showed what the engine does"
    exit 0
fi

"$wine_run" "$cli" --help >/dev/null 2>&1 || skip "Wine cannot run the Windows programs here"
rerun_inside_xvfb "$@"
