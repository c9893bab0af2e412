#!/usr/bin/env bash
# End to end in a real X server of its own: the program shows its main window, 370 x 186
# pixels, with the playlist window docked at its right edge and the same top.
# Usage: windows_e2e.sh <sonavel binary> <folder for the screenshot>
set -euo pipefail

program=$1
outdir=$2
mkdir -p "$outdir"
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Xvfb picks a free display itself and writes its number to the pipe once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
read -r -t 20 display_number <"$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display_number"

mkdir -p "$work/config"
XDG_CONFIG_HOME="$work/config" SONAVEL_AUDIO_OUTPUT=null QT_QPA_PLATFORM=xcb \
    "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# Polls (up to 20 s) for a shown window whose title matches; prints its id.
find_window() {
    local pattern=$1 id
    for _ in $(seq 1 100); do
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended early: $(cat "$work/app.log")"
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.2
    done
    fail "no shown window titled '$pattern'"
}

# The main window's title is a single blank until the first song.
playlist=$(find_window '^Playlist$')
main=$(find_window '^ $')

geometry() {  # <window> -> "X Y WIDTH HEIGHT"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
read -r mx my mw mh <<<"$(geometry "$main")"
read -r px py pw ph <<<"$(geometry "$playlist")"
echo "main window: $mx,$my ${mw}x$mh; playlist window: $px,$py ${pw}x$ph"

[[ $mw -eq 370 && $mh -eq 186 ]] || fail "main window is ${mw}x$mh, not 370x186"
[[ $pw -eq 345 && $ph -eq 234 ]] || fail "playlist window is ${pw}x$ph, not 345x234"
[[ $px -eq $((mx + mw)) ]] || fail "playlist window's left $px is not the main window's right edge $((mx + mw))"
[[ $py -eq $my ]] || fail "playlist window's top $py differs from the main window's top $my"

import -window root "$outdir/e2e-windows.png"
echo "screenshot: $outdir/e2e-windows.png"
