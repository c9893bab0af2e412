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

# Starts an Xvfb on a free display and waits until a client really gets in; sets display_number.
# Xvfb picks the display itself and writes it to the pipe once it listens.
start_xvfb() {  # <attempt>
    local log="$work/xvfb.$1.log" number
    rm -f "$work/display"
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -extension GLX \
        3>"$work/display" 2>"$log" </dev/null >/dev/null &
    xvfb_pid=$!
    read -r -t 20 number <"$work/display" || return 1
    for _ in $(seq 1 50); do
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        if DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
            display_number=$number
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# A server the test cannot reach says nothing of the program: retried, then reported as skipped.
display_number=
for attempt in 1 2 3; do
    if start_xvfb "$attempt"; then
        break
    fi
    echo "Xvfb attempt $attempt unusable: $(cat "$work/xvfb.$attempt.log" 2>/dev/null)" >&2
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
    display_number=
done
if [[ -z $display_number ]]; then
    echo "SKIP: no X server could be started here" >&2
    exit 77
fi
export DISPLAY=":$display_number"

mkdir -p "$work/config"
launch() {
    XDG_CONFIG_HOME="$work/config" SONAVEL_AUDIO_OUTPUT=null QT_QPA_PLATFORM=xcb \
        "$program" >"$work/app.log" 2>&1 &
    app_pid=$!
}
launch
relaunched=no

# Polls (up to 20 s) for a shown window whose title matches; sets found to its id.
found=
find_window() {
    local pattern=$1 id
    for _ in $(seq 1 100); do
        # The server turning a first client away is the server's fault, not the program's.
        if ! kill -0 "$app_pid" 2>/dev/null && [[ $relaunched == no ]] &&
            grep -q "could not connect to display" "$work/app.log"; then
            echo "the program could not reach $DISPLAY; started once more" >&2
            relaunched=yes
            launch
        fi
        kill -0 "$app_pid" 2>/dev/null ||
            fail "the program ended early: $(cat "$work/app.log")
X server on $DISPLAY (alive: $(kill -0 "$xvfb_pid" 2>/dev/null && echo yes || echo no)): $(cat "$work"/xvfb.*.log)"
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        if [[ -n $id ]]; then
            found=$id
            return 0
        fi
        sleep 0.2
    done
    fail "no shown window titled '$pattern'"
}

# The main window's title is a single blank until the first song.
find_window '^Playlist$'
playlist=$found
find_window '^ $'
main=$found

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
