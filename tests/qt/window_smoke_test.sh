#!/usr/bin/env bash
# Starts the desktop editor on a level under a virtual X server, grabs what
# the screen shows of its client area, and compares it with the same level
# rendered headless; then checks that --startup-time reports the first frame.
# Exit 77 (skipped) when no X server can be started.
set -u
mapedit=$1 cli=$2 compare=$3 level=$4
if ! command -v xvfb-run >/dev/null; then
    echo "SKIPPED: xvfb-run is not installed, so no X server can be started"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" render --seed 7 "$level" -o "$work/expected.png" || exit 1
if ! xvfb-run -a -s "-screen 0 1024x768x24" true 2>"$work/xvfb.log"; then
    echo "SKIPPED: Xvfb could not start: $(head -c 300 "$work/xvfb.log")"
    exit 77
fi
QT_QPA_PLATFORM=xcb timeout 30 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$mapedit" --zoom 1 --seed 7 --grab "$work/shown.png" "$level" || exit 1
"$compare" "$work/expected.png" "$work/shown.png" || exit 1
# The start-up report names the time to the first painted frame.
report=$(QT_QPA_PLATFORM=xcb timeout 30 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$mapedit" --startup-time 2>/dev/null) || exit 1
grep -Eq '^first frame after [0-9]+ ms \(at [0-9]+ ms since the epoch\)$' <<<"$report" || {
    echo "unexpected start-up report: $report"
    exit 1
}
