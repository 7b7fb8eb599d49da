#!/usr/bin/env bash
# The desktop editor under a virtual X server with a real window manager,
# which places windows on its own time and frames them:
#  1. a file of several levels named at start-up asks which level over the
#     middle of the editor window, not in a corner of the screen;
#  2. Save as with the level files type chosen saves a name typed without
#     extension as NAME.des.
# Exit 77 (skipped) when no X server or window manager can be started, or
# xdotool is missing.
set -u
if [ "${1:-}" = "--inside" ]; then
    shift
    inside=1
fi
mapedit=$1 sample=$2 multi=$3

. "$(dirname "$0")/x_session.sh"

# The centre of a window on the screen, as "X Y".
centre_of() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$((X + WIDTH / 2)) $((Y + HEIGHT / 2))"
}

stop() {
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

# Scenario 1: the level question at start-up.
level_question_centred() {
    "$mapedit" --zoom 1 --seed 7 "$multi" &
    local pid=$! editor dialog ex ey dx dy
    editor=$(window_named 'Morvath Map Construction Helper$') || true
    [ -n "$editor" ] || { stop "$pid"; fail "the editor window did not appear"; }
    dialog=$(window_named '^Open Level$') || true
    [ -n "$dialog" ] || { stop "$pid"; fail "no \"Open Level\" question appeared"; }
    sleep 0.5
    read -r ex ey < <(centre_of "$editor")
    read -r dx dy < <(centre_of "$dialog")
    stop "$pid"
    # The frames' title bars may differ by a few pixels in height.
    [ $(((dx - ex) * (dx - ex))) -le 400 ] && [ $(((dy - ey) * (dy - ey))) -le 400 ] ||
        fail "the question's centre ($dx, $dy) is not the editor's ($ex, $ey)"
}

# Scenario 2: Save as, the level files type, a name without extension.
save_as_level_file() {
    cp "$sample" "$work/level.des"
    "$mapedit" --zoom 1 --seed 7 "$work/level.des" &
    local pid=$! window dialog
    window=$(window_named '^level.des - Morvath Map Construction Helper$') || true
    [ -n "$window" ] || { stop "$pid"; fail "the editor window did not appear"; }
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    xdotool key ctrl+shift+s
    dialog=$(window_named '^Save As$') || true
    [ -n "$dialog" ] || { stop "$pid"; fail "no \"Save As\" dialog appeared"; }
    xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
    sleep 0.3
    # The type list follows the name; its last types are the level files.
    xdotool key ctrl+a
    xdotool type --delay 10 "$work/copy"
    xdotool key Tab End
    sleep 0.2
    xdotool key shift+Tab
    sleep 0.2
    xdotool key End Return
    for _ in $(seq 50); do [ -s "$work/copy.des" ] && break; sleep 0.1; done
    stop "$pid"
    [ -s "$work/copy.des" ] || fail "no copy.des was saved ($(ls "$work" | tr '\n' ' '))"
    [ ! -e "$work/copy.txt" ] || fail "copy.txt was saved too"
}

if [ -n "${inside:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    export QT_QPA_PLATFORM=xcb
    openbox >"$work/wm.log" 2>&1 &
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        skip "openbox did not start: $(head -c 300 "$work/wm.log")"
    level_question_centred
    save_as_level_file
    echo "under a window manager the question was centred and Save as wrote .des"
    exit 0
fi

command -v xprop >/dev/null || skip "xprop is not installed, so no window manager can be seen"
command -v openbox >/dev/null || skip "openbox is not installed (scripts/setup-deps installs it)"
rerun_inside_xvfb "$@"
