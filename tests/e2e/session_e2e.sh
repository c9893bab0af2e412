#!/usr/bin/env bash
# A user's session end to end, in an X server of its own, driven only by clicks at the layout's
# places and keys: load a playlist, drive playback from both windows, the Options menu, both
# conversion tools, exit in the middle of a conversion, and a second start that plays the saved
# playlist again. What the program does is read from the screen (digits against the digit
# bitmaps, buttons against the skin images) and from the files it writes. The output folder gets
# screenshots, the README's among them.
# The session runs under a window manager, as every user's does, and its input is a hand's: a
# press and a release some tens of milliseconds apart, drags in steps, and the pointer rests
# where it clicked until the screen shows that the program took the click.
# Usage: session_e2e.sh <sonavel> <skin images folder> <digit bitmaps folder> <output folder>
set -euo pipefail

mkdir -p "$4"
program=$(realpath "$1") skins=$(realpath "$2") digits=$(realpath "$3") outdir=$(realpath "$4")
rm -f "$outdir/failure.png"
work=$(mktemp -d)
xvfb_pid='' wm_pid='' app_pid='' tray_pid=''

cleanup() {
    local pid
    for pid in $app_pid $tray_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL after $SECONDS s: $*" >&2
    if [[ -n ${DISPLAY:-} ]] && import -window root "$outdir/failure.png" 2>/dev/null; then
        echo "screen: $outdir/failure.png" >&2
    fi
    [[ -f $work/app.log ]] && echo "program output: $(cat "$work/app.log")" >&2
    # A program that still runs but shows nothing: where each of its threads waits.
    if [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null && command -v gdb >/dev/null; then
        gdb -p "$app_pid" -batch -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(Thread|#)' >&2 || true
    fi
    exit 1
}
step() {
    echo "[$SECONDS s] $*"
}

# Runs the command every 0.2 s until it holds, at most <tries> times; false if it never did.
poll() {  # <tries> <command...>
    local tries=$1
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
# Starts an Xvfb on a free display and waits until a client really gets in; sets display_number.
# Xvfb picks the display itself and writes it to the pipe once it listens.
start_xvfb() {  # <attempt>
    local log="$work/xvfb.$1.log" number
    rm -f "$work/display"
    mkfifo "$work/display"
    # -noreset: the server would reset when the check below leaves as its last client, and a
    # client connecting in that moment (the window manager) could be turned away.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -extension GLX -noreset \
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
# A window manager changes what a click does (a press on an unfocused window focuses and raises
# it first) and what the windows' buttons do: without one the session says nothing of either.
command -v openbox >/dev/null || fail "no window manager: openbox is not installed (scripts/setup.sh --tests installs it)"
# Up to 20 s until it has taken the screen; false if it ends before.
start_wm() {
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 1 100); do
        kill -0 "$wm_pid" 2>/dev/null || return 1
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.2
    done
    kill "$wm_pid" 2>/dev/null || true
    return 1
}
start_wm || start_wm || fail "no window manager could be started: openbox says: $(cat "$work/wm.log")"
echo "window manager: openbox"

# Songs told apart on screen by their total time, a WAV at another rate for the encoder, and
# one that the encoder works on long enough for the program to be left in the middle: 20
# minutes of 8 kHz 8-bit mono (9.6 MB), some 9 s of encoding at 48 kHz.
music=$work/music
mkdir -p "$music" "$work/config"
make_wav() {  # <path> <seconds> <rate> [mono8]: a tone, 16-bit stereo or 8-bit mono
    python3 - "$@" <<'EOF'
import math, struct, sys, wave
path, seconds, rate = sys.argv[1], float(sys.argv[2]), int(sys.argv[3])
channels, fmt, scale, zero = (1, "<B", 30, 128) if sys.argv[4:] == ["mono8"] else (2, "<h", 8000, 0)
second = b"".join(struct.pack(fmt, zero + int(scale * math.sin(2 * math.pi * 440 * i / rate))) * channels
                  for i in range(rate))
whole, rest = divmod(int(seconds * rate), rate)
with wave.open(path, "wb") as w:
    w.setnchannels(channels); w.setsampwidth(struct.calcsize(fmt)); w.setframerate(rate)
    w.writeframes(second * whole + second[:rest * len(second) // rate])
EOF
}
wav_info() {  # <path> -> "<rate> <frames>"
    python3 -c 'import sys, wave; w = wave.open(sys.argv[1]); print(w.getframerate(), w.getnframes())' "$1"
}
declare -A total_of=([a]=30 [b]=45 [c]=60)
songs=(a b c) # in the playlist's order
for song in "${songs[@]}"; do
    make_wav "$work/$song.wav" "${total_of[$song]}.5" 44100
    lame --quiet -b 128 "$work/$song.wav" "$music/$song.mp3"
done
printf '%s\r\n' "$music/a.mp3" "$music/b.mp3" "$music/c.mp3" >"$music/list.m3u"
make_wav "$work/in48.wav" 8.25 48000
make_wav "$work/long.wav" 1200 8000 mono8

# Real-time pace, without sound: no device is reachable from the program.
: >"$work/no-sound.conf"
# No session bus either: without one, the bus library forks a launcher, and a child forked
# while another thread holds the sanitizer's allocator lock never gets past it.
launch() {
    (cd "$work" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
        PULSE_SERVER="unix:$work/no-sound" ALSA_CONFIG_PATH="$work/no-sound.conf" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" \
        exec "$program" >"$work/app.log" 2>&1) &
    app_pid=$!
}

geometry() {  # <window> -> "X Y WIDTH HEIGHT"
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}
# The program's shown windows, without a window manager's frames around them.
shown_windows() {
    xdotool search --onlyvisible --classname '^sonavel$' 2>/dev/null | tr '\n' ' ' || true
}
# Sets found to a shown window whose title matches and, if given, whose size is WIDTHxHEIGHT.
found=
window_shown() {  # <title pattern> [<size>]
    local id x y w h
    kill -0 "$app_pid" 2>/dev/null ||
        fail "the program ended early. X server on $DISPLAY (alive: $(kill -0 "$xvfb_pid" 2>/dev/null && echo yes || echo no)): $(cat "$work"/xvfb.*.log)"
    for id in $(shown_windows); do
        [[ $(xdotool getwindowname "$id" 2>/dev/null) =~ $1 ]] || continue
        read -r x y w h <<<"$(geometry "$id")"
        if [[ -z ${2:-} || ${w}x$h == "$2" ]]; then
            found=$id
            return 0
        fi
    done
    return 1
}
find_window() {  # <title pattern> [<size>]: up to 20 s
    poll 100 window_shown "$@" || fail "no shown window titled '$1' ${2:-}"
}
# Sets found to a shown window other than those listed.
other_window() {  # <window ids>
    local id
    for id in $(shown_windows); do
        [[ " $* " == *" $id "* ]] || {
            found=$id
            return 0
        }
    done
    return 1
}
new_window() {  # <what> <window ids>
    local what=$1
    shift
    poll 100 other_window "$@" || fail "$what did not appear"
}
not_shown() {  # <window>
    seen="the shown windows $(shown_windows)"
    [[ " $seen " != *" $1 "* ]]
}
until_hidden() {  # <window> <what>
    poll 100 not_shown "$1" || fail "$2: window $1 still shown"
}
# Places below are in pixels from the top left corner of the window last used, (ox, oy).
ox=0 oy=0
use_window() {
    read -r ox oy _ _ <<<"$(geometry "$1")"
}

# Twips to pixels, rounded as the program rounds them.
px() {
    echo $((($1 * 2 + 15) / 30))
}

# Screen reading: a crop is compared exactly, through the checksum of its raw pixels.
shot=$work/shot.ppm
snap() {
    import -window root "$shot"
}
sig() {  # <image> <x> <y> <width> <height>
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:- | md5sum | cut -d' ' -f1
}
crop_sig() {  # <x> <y> <width> <height>: of the window last used
    sig "$shot" $((ox + $1)) $((oy + $2)) "$3" "$4"
}
# A skinned button at <left> <top> twips shows "up", its own image, or "down", the look that the
# window's background has under it (its pressed look).
looks() {  # <skin> <image> <left> <top> <up|down>
    local png="$skins/$1/$2.png" x y w h s now=other
    x=$(px "$3") y=$(px "$4")
    read -r w h < <(identify -format '%w %h' "$png")
    s=$(crop_sig "$x" "$y" "$w" "$h")
    [[ $s == $(sig "$png" 0 0 "$w" "$h") ]] && now=up
    [[ $s == $(sig "$skins/$1/background.png" "$x" "$y" "$w" "$h") ]] && now=down
    seen="$2 $now"
    [[ $now == "$5" ]]
}
crop_is() {  # <x> <y> <width> <height> <same|changed> <checksum>
    seen="the crop at $1,$2 $([[ $(crop_sig "$@") == "$6" ]] && echo same || echo changed)"
    [[ $seen == *" $5" ]]
}

# The digit rows: the top and height of their boxes, then the boxes' left edges, in pixels. The
# main window's rows lie in the picture box at 2530, 280 twips.
declare -A digit_of
for d in 0 1 2 3 4 5 6 7 8 9; do
    for h in 12 11 10; do
        digit_of[$h$(sig "$digits/0$d.bmp" 0 0 7 "$h")]=$d
    done
done
box_lefts() {  # <offset> <lefts in twips...>
    local l
    for l in "${@:2}"; do echo $(($1 + $(px "$l"))); done
}
row_total=($(($(px 280) + $(px 70))) 12 $(box_lefts "$(px 2530)" 720 840 1065 1200))
row_elapsed=($(($(px 280) + $(px 330))) 11 $(box_lefts "$(px 2530)" 720 840 1065 1200))
row_strip=("$(px 20)" 10 $(box_lefts 0 100 220 435 560))
read_time() {  # <total|elapsed|strip> -> "MM:SS", "?" for a box that shows no digit
    local -n row=row_$1
    local out='' i
    for i in 2 3 4 5; do
        out+=${digit_of[${row[1]}$(crop_sig "${row[i]}" "${row[0]}" 7 "${row[1]}")]:-?}
        [[ $i != 3 ]] || out+=:
    done
    echo "$out"
}
# The time that the row shows, as seconds s, meets an arithmetic condition; seen_s keeps s.
seen_s=-1
time_is() {  # <row> <condition on s>
    local t s=-1
    t=$(read_time "$1")
    [[ $t =~ ^([0-9]{2}):([0-9]{2})$ ]] && s=$((10#${BASH_REMATCH[1]} * 60 + 10#${BASH_REMATCH[2]}))
    seen="$1 $t" seen_s=$s
    ((s >= 0 && ($2)))
}
# The row shows the same time twice, 1.5 s apart: a playing song moves it at least once.
still() {  # <row>
    local a
    a=$(read_time "$1")
    sleep 1.5
    snap
    time_is "$1" "s >= 0" && [[ ${seen##* } == "$a" ]]
}

# Polls with a fresh screenshot until the check holds; on a timeout, says what it saw last.
until_seen() {  # <seconds> <what is awaited> <check...>
    local deadline=$((SECONDS + $1)) what=$2
    shift 2
    while :; do
        snap
        "$@" && return 0
        ((SECONDS < deadline)) || fail "$what: not seen in time (saw $seen)"
        sleep 0.2
    done
}

# A hand's click at a screen point: the pointer comes to rest, the button goes down and comes up
# a moment later. The pointer stays there.
press_release() {  # <x> <y> [button]
    xdotool mousemove "$1" "$2" sleep 0.05 mousedown "${3:-1}" sleep 0.08 mouseup "${3:-1}"
}
# The pointer leaves for the screen's corner, so that no tooltip covers what is read next.
leave() {
    xdotool mousemove 0 0
}
# A click in the middle of a control at <left> <top>, <width> x <height> twips of the window
# last used. The pointer leaves only once the check shows that the program took the click: a
# window manager may hold a click on a window that is not the focused one until it has focused
# it, and a pointer moved on before then would be where the program sees the release.
click() {  # <left> <top> <width> <height> <seconds> <what is awaited> <check...>
    press_release $((ox + $(px "$1") + $(px "$3") / 2)) $((oy + $(px "$2") + $(px "$4") / 2))
    shift 4
    until_seen "$@"
    leave
}
# Runs a check with the places of another window.
in_window() {  # <window> <check...>
    local ox oy
    use_window "$1"
    "${@:2}"
}

# The Options menu by a right click on the main window's background, then keys to an entry,
# and more keys once its sub-menu is open. Its entries: About, Sonavel Tools, Volume Up, Volume
# Down, Exit Encoder, Exit Decoder, Exit Sonavel.
options() {  # <keys> [<keys in the sub-menu>]
    local before menu
    before=$(shown_windows)
    use_window "$main"
    press_release $((ox + 10)) $((oy + 10)) 3
    new_window "the Options menu" $before
    menu=$found
    leave
    xdotool key $1
    if [[ -n ${2:-} ]]; then
        new_window "the sub-menu" $before $menu
        xdotool key $2
    fi
    until_hidden "$menu" "the Options menu after the keys $*"
}
# A file dialog answered as a user does: the path typed into its name field, then Return.
answer_dialog() {  # <title pattern> <path>
    find_window "$1"
    local dialog=$found
    xdotool type --delay 10 "$2"
    xdotool key Return
    until_hidden "$dialog" "the file dialog given $2"
}

step "start with a fresh settings folder"
launch
find_window '^Playlist$'
playlist=$found
# The main window's title is a single blank until the first song.
find_window '^ $'
main=$found
read -r mx my mw mh <<<"$(geometry "$main")"
read -r lx ly lw lh <<<"$(geometry "$playlist")"
echo "main window: $mx,$my ${mw}x$mh; playlist window: $lx,$ly ${lw}x$lh"
[[ $mw -eq 370 && $mh -eq 186 ]] || fail "main window is ${mw}x$mh, not 370x186"
[[ $lw -eq 345 && $lh -eq 234 ]] || fail "playlist window is ${lw}x$lh, not 345x234"
[[ $lx -eq $((mx + mw)) && $ly -eq $my ]] || fail "playlist window at $lx,$ly, not at the main window's right edge"
use_window "$main"
until_seen 10 "the play button in its normal look" looks player imgplay 2655 1920 up
import -window root "$outdir/e2e-start.png"

step "load the playlist through the main window's Load button"
click 4080 1920 270 255 10 "the Load Playlist dialog" window_shown '^Load Playlist$'
answer_dialog '^Load Playlist$' "$music/list.m3u"
until_seen 15 "the first song's total time" time_is total "s == ${total_of[a]}"
until_seen 5 "the play button pressed" looks player imgplay 2655 1920 down
until_seen 10 "the elapsed time running" time_is elapsed "s >= 2"
figure=("$(px 4905)" "$(px 1350)" "$(px 255)" "$(px 240)")
volume_start=$(crop_sig "${figure[@]}")
# The playlist's selection band, in a column that no text reaches: a digit a pixel from the
# list's top, 1 where the band lies.
list_x=$(($(px 190) + 300)) list_y=$(px 180)
band_column() {
    convert "$shot" -crop "1x60+$((ox + list_x))+$((oy + list_y))" +repage -depth 8 txt:- |
        awk 'NR > 1 {printf "%d", $2 != "(0,0,0)"}'
}
# The playing entry is selected: its band is a row high.
use_window "$playlist"
band=$(band_column)
[[ $band =~ ^(1+)0 ]] || fail "the playlist's first row is not selected (column: $band)"
row_h=${#BASH_REMATCH[1]}
selected_row() {  # <row>: the only one whose band shows
    local want='' i
    for ((i = 0; i < 60; i++)); do want+=$((i / row_h == $1)); done
    seen="the playlist's column $(band_column)"
    [[ $seen == *" $want" ]]
}
list_start=$(crop_sig 0 0 "$lw" "$lh")
use_window "$main"

# Pause and resume through the button at <left> <top> twips: its paused look and the row
# standing still, then its normal look and the row running again.
pause_resume() {  # <row> <left> <top> <width> <height> <skin> <image> <look> when paused, <image> <look> not
    local paused
    click "$2" "$3" "$4" "$5" 5 "the paused look" looks "$6" "$7" "$2" "$3" "$8"
    until_seen 10 "the $1 time standing while paused" still "$1"
    paused=$seen_s
    click "$2" "$3" "$4" "$5" 5 "the pause button's normal look" looks "$6" "$9" "$2" "$3" "${10}"
    until_seen 10 "the $1 time running again" time_is "$1" "s > $paused"
}

step "pause, resume, stop, play"
pause_resume elapsed 2940 1920 270 255 player imgPauseP up imgpause up
until_seen 10 "a few seconds played" time_is elapsed "s >= 3"
click 3225 1920 270 255 5 "the stop button pressed" looks player imgstop 3225 1920 down
until_seen 5 "the play button's normal look after stop" looks player imgplay 2655 1920 up
until_seen 10 "the elapsed time standing after stop" still elapsed
stopped=$seen_s
click 2655 1920 270 255 5 "the play button pressed again" looks player imgplay 2655 1920 down
until_seen 10 "the song started over" time_is elapsed "s < $stopped"
time_is total "s == ${total_of[a]}" || fail "play after stop: $seen, not the first song"

step "next, previous"
click 3795 1920 270 255 10 "the second song after Next" time_is total "s == ${total_of[b]}"
click 3510 1920 270 255 10 "the first song after Previous" time_is total "s == ${total_of[a]}"

step "double click the third entry"
use_window "$playlist"
x=$((ox + list_x - 250)) y=$((oy + list_y + 2 * row_h + row_h / 2))
press_release "$x" "$y"
press_release "$x" "$y"
use_window "$main"
until_seen 10 "the third song after the double click" time_is total "s == ${total_of[c]}"
leave
until_seen 10 "the third song running" time_is elapsed "s >= 1"

step "drag the seek thumb"
from=$seen_s
# This early in the song the thumb (27 pixels wide) stands at the track's start; a twip of its
# travel is ten frames, so 6 pixels are 900 frames, some 23 s. The hand moves it in steps and
# lets go; the pointer stays until the song has moved on.
track_x=$(px 405) track_y=$(($(px 2520) + 3))
x=$((ox + track_x + 8)) y=$((oy + track_y))
xdotool mousemove "$x" "$y" sleep 0.05 mousedown 1 sleep 0.04 \
    mousemove $((x + 2)) "$y" sleep 0.04 mousemove $((x + 4)) "$y" sleep 0.04 \
    mousemove $((x + 6)) "$y" sleep 0.05 mouseup 1
until_seen 8 "the song 15 s or more further on than before the drag" time_is elapsed "s >= $((from + 15))"
leave
time_is total "s == ${total_of[c]}" || fail "after the seek: $seen, not the third song"

step "shuffle on and off"
click 4560 1920 285 255 5 "the shuffle button lit" looks player Shuffle2 4560 1920 up
click 3795 1920 270 255 10 "another song after Next in the shuffled order" time_is total "s != ${total_of[c]}"
case $seen_s in
"${total_of[a]}") after=b ;;
"${total_of[b]}") after=c ;;
*) fail "after Next in the shuffled order: $seen" ;;
esac
click 4560 1920 285 255 5 "the shuffle button's normal look" looks player shuffle1 4560 1920 up
click 3795 1920 270 255 10 "the entry after it in the plain order" time_is total "s == ${total_of[$after]}"

step "hold the volume buttons"
# Holds a volume button until the figure beside it settles, unchanged for 1.2 s and other than
# <figure before>; sets settled to the figure's checksum.
hold() {  # <image> <left> <figure before>
    local last='' same=0 now deadline=$((SECONDS + 20))
    xdotool mousemove $((ox + $(px "$2") + 9)) $((oy + $(px 1335) + 8)) sleep 0.05 mousedown 1
    until_seen 5 "$1 pressed" looks player "$1" "$2" 1335 down
    while ((same < 3)); do
        ((SECONDS < deadline)) || fail "the volume figure did not settle while $1 was held"
        sleep 0.4
        snap
        now=$(crop_sig "${figure[@]}")
        [[ $now == "$last" && $now != "$3" ]] && ((++same)) || same=0
        last=$now
    done
    xdotool mouseup 1
    until_seen 5 "$1 let go" looks player "$1" "$2" 1335 up
    leave
    settled=$last
}
hold imgVolumeUp 4470 "$volume_start"
hold imgVolumeDown 4170 "$settled"
[[ $settled != "$volume_start" ]] || fail "the volume figure at silence reads as at the start"

step "Volume Up twice in the Options menu: back to the volume of the start"
options "Down Down Down Return"
options "Down Down Down Return"
until_seen 5 "the volume figure of the start" crop_is "${figure[@]}" same "$volume_start"

step "minimise both windows, restore them through the desktop, and show them again"
# Restored as a taskbar entry or Alt+Tab restores a window, the window is normal again: the
# next show shows it, not a minimised window.
shown() {  # <window>
    ! not_shown "$1"
}
use_window "$playlist"
click 3620 3240 540 105 10 "the playlist window minimised" not_shown "$playlist"
xdotool windowactivate "$playlist"
poll 100 shown "$playlist" || fail "the playlist window not restored by the desktop"
use_window "$playlist"
click 4410 3240 360 105 10 "the playlist window closed" not_shown "$playlist"
use_window "$main"
click 4860 1920 285 255 10 "the playlist window shown by the list button" shown "$playlist"
read -r x y _ _ <<<"$(geometry "$playlist")"
[[ $x -eq $lx && $y -eq $ly ]] || fail "the playlist window came back at $x,$y, not at $lx,$ly"
click 5100 90 135 120 10 "the main window minimised" not_shown "$main"
xdotool windowactivate "$main"
poll 100 shown "$main" || fail "the main window not restored by the desktop"
# The switch to the strip and back, below, shows the main window again.

step "switch to the strip and back"
snap
time_is elapsed "s >= 0" || fail "no elapsed time before the switch: $seen"
main_elapsed=$seen_s
# The song playing, by its row in the playlist: a song's start selects it.
use_window "$playlist"
for entry in 0 1 2; do selected_row "$entry" && break; done || fail "no single playlist row selected: $seen"
use_window "$main"
click 4900 80 135 150 10 "the switch to the strip" not_shown "$main"
find_window '' 158x12
strip=$found
read -r x y _ _ <<<"$(geometry "$strip")"
[[ $x -eq $mx && $y -eq $my ]] || fail "the strip is at $x,$y, not at the main window's corner $mx,$my"
use_window "$strip"
until_seen 5 "the strip's play button lit" looks shade PlayS 870 40 down
until_seen 10 "the strip's elapsed time running" time_is strip "s != $main_elapsed"
pause_resume strip 1030 40 60 90 shade PauseS down PauseS up
click 1470 40 105 90 10 "the entry after row $entry started by the strip's Next" \
    in_window "$playlist" selected_row $(((entry + 1) % 3))
click 1310 40 105 90 10 "row $entry started again by the strip's Previous" in_window "$playlist" selected_row "$entry"
click 1950 40 120 90 10 "the way back from the strip" not_shown "$strip"
find_window '' 370x186
read -r x y _ _ <<<"$(geometry "$found")"
[[ $found == "$main" && $x -eq $mx && $y -eq $my ]] || fail "window $found at $x,$y came back, not $main at $mx,$my"
use_window "$main"
until_seen 5 "the main window's pause button after resuming on the strip" looks player imgpause 2940 1920 up
time_is total "s == ${total_of[${songs[entry]}]}" || fail "back from the strip: $seen, not the song of row $entry"

# In the tool window titled <title>, which becomes the window used (tool): an input and an
# output named through the two pickers, then the conversion started until the check holds; the
# buttons' places are given in twips.
convert_in() {  # <title> <input> <output> <input button> <output button> <start button> <check...>
    find_window "^$1\$"
    tool=$found
    use_window "$tool"
    # A click in the moment a dialog closes can be lost: each pick is awaited on screen, the name
    # showing in the window's top part, before the next click.
    local i before names=("$2" "$3") buttons=("$4" "$5")
    for i in 0 1; do
        snap
        before=$(crop_sig 0 0 339 150)
        click ${buttons[i]} 10 "the file dialog of the $1" window_shown '^Open$'
        answer_dialog '^Open$' "${names[i]}"
        until_seen 5 "${names[i]} named in the $1" crop_is 0 0 339 150 changed "$before"
    done
    click $6 60 "the $1's conversion" "${@:7}"
}
# The WAV's rate is <rate> and it is as long as <source>, give or take an MP3 frame.
check_wav() {  # <wav> <rate> <source>
    local rate frames want
    read -r rate frames <<<"$(wav_info "$1")"
    read -r _ want <<<"$(wav_info "$3")"
    echo "$(basename "$1"): $rate Hz, $frames frames; $(basename "$3"): $want frames"
    ((rate == $2 && frames > want - 1152 && frames < want + 1152)) || fail "$1 is not a $2 Hz copy of $3"
}

step "MP3 to WAV in the decoder"
options "Down Down Right" "Down Return"
convert_in Decoder "$music/a.mp3" "$work/a-out.wav" "410 1740 855 315" "1530 1740 900 315" \
    "2780 1740 810 315" test -f "$work/a-out.wav"
click 4770 60 195 210 10 "the Decoder's close button" not_shown "$tool"
check_wav "$work/a-out.wav" 44100 "$work/a.wav"
use_window "$main"
until_seen 10 "the song stopped by the conversion" still elapsed

step "WAV to MP3 in the encoder"
options "Down Down Right" "Return"
convert_in Encoder "$work/in48.wav" "$work/out.mp3" "440 1740 900 285" "1500 1740 855 285" \
    "2700 1740 780 285" test -f "$work/out.mp3"
click 4770 70 195 210 10 "the Encoder's close button" not_shown "$tool"
mpg123 -q -w "$work/out-decoded.wav" "$work/out.mp3"
check_wav "$work/out-decoded.wav" 48000 "$work/in48.wav"

step "exit through the close button while the encoder writes over an older file"
# The older file has known bytes and a folder of its own, where the job's temporary file shows.
old_dir=$work/older
mkdir "$old_dir"
cp "$work/out.mp3" "$old_dir/out.mp3"
options "Down Down Right" "Return"
find_window '^Encoder$'
use_window "$found"
# 48 kHz out, the sample rate box's last entry, picked with the keys once the box has the focus
# (its text cursor shows).
rate_box=("$(px 3045)" "$(px 1140)" "$(px 1455)" "$(px 270)")
snap
rate_before=$(crop_sig "${rate_box[@]}")
click 3045 1140 1455 270 5 "the sample rate box focused" crop_is "${rate_box[@]}" changed "$rate_before"
xdotool key Down Down Down Down
# The job runs: its temporary file holds MPEG-1 frames at 48 kHz (rate bits 01).
writing() {
    local part
    part=$(compgen -G "$old_dir/.out.mp3.*.part") || return 1
    [[ $(od -An -tx1 -N3 "$part" | tr -d ' ') =~ ^fffb.[4-7]$ ]]
}
convert_in Encoder "$work/long.wav" "$old_dir/out.mp3" "440 1740 900 285" "1500 1740 855 285" \
    "2700 1740 780 285" writing
# The encoder lies over the close button; a window manager raises the window clicked.
xdotool windowraise "$main"
use_window "$main"
until_seen 5 "the main window's close button uncovered" looks player imgClose 5295 90 up
ended() {
    ! kill -0 "$app_pid" 2>/dev/null
}
click 5295 90 120 120 20 "the program ended by its close button" ended
status=0
wait "$app_pid" || status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
[[ $(ls -A "$old_dir") == out.mp3 ]] || fail "left in $old_dir: $(ls -A "$old_dir")"
cmp -s "$work/out.mp3" "$old_dir/out.mp3" || fail "the older $old_dir/out.mp3 was changed"

step "start again: the playlist comes back and plays"
launch
find_window '^Playlist$'
playlist=$found
find_window '' 370x186
main=$found
use_window "$main"
until_seen 15 "the first song's total time after the restart" time_is total "s == ${total_of[a]}"
until_seen 5 "the play button pressed after the restart" looks player imgplay 2655 1920 down
until_seen 10 "the elapsed time running after the restart" time_is elapsed "s >= 2"
use_window "$playlist"
until_seen 5 "the playlist as loaded, its first entry selected" crop_is 0 0 "$lw" "$lh" same "$list_start"
import -window root "$outdir/e2e-restart.png"
# For the README: the main window and the playlist docked at its right edge, nothing else (the
# ground below the shorter one transparent), in 255 colours.
read -r mx my mw mh <<<"$(geometry "$main")"
read -r lx ly lw lh <<<"$(geometry "$playlist")"
convert -size $((lx + lw - mx))x$((lh > mh ? lh : mh)) xc:none \
    \( "$shot" -crop "${mw}x$mh+$mx+$my" +repage \) -composite \
    \( "$shot" -crop "${lw}x$lh+$lx+$ly" +repage \) -geometry +$((lx - mx))+$((ly - my)) -composite \
    -strip -dither None -colors 255 PNG8:"$outdir/screenshot.png"

step "a tray started after the program gets the icon, and again when it is started anew"
start_tray() {
    trayer --edge bottom --align right --widthtype pixel --width 100 --heighttype pixel --height 24 \
        >"$work/tray.log" 2>&1 &
    tray_pid=$!
}
# The program's icon window lies inside the tray's panel.
docked() {
    local panel
    seen="no tray panel"
    panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -n 1) || return 1
    [[ -n $panel ]] || return 1
    seen="the tray panel holds: $(xwininfo -children -tree -id "$panel" | grep -o '("[^"]*"' | tr '\n' ' ')"
    xwininfo -tree -id "$panel" | grep -q '("sonavel" '
}
command -v trayer >/dev/null || fail "trayer is not installed (scripts/setup.sh --tests installs it)"
start_tray
poll 100 docked || fail "the icon not in the tray started after the program ($seen)"
kill "$tray_pid"
wait "$tray_pid" 2>/dev/null || true
start_tray
poll 100 docked || fail "the icon not in the tray started anew ($seen)"
step "session done"
