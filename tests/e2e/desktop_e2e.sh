#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The cabinet whole on real desktops, under a window manager: right after start-up and after a
# resize in the middle of a spin, on screens from 800 by 600 to 4K, and in a half-screen tile.
# usage: desktop_e2e.sh QUILLANE FIND_CABINET
set -euo pipefail
quillane=$1
find_cabinet=$2
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

# Checks that the whole cabinet shows in the game's window; $1 names the moment. A busy machine
# may take a moment to lay the window out, so it looks a few times before it fails.
whole() {
    local shot="$work/$1.png" geometry
    for _ in $(seq 10); do
        import -window root "$shot"
        geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4}
            /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
        # shellcheck disable=SC2086
        "$find_cabinet" "$shot" $geometry >/dev/null 2>"$work/$1.why" && return 0
        sleep 0.5
    done
    fail "$1: the cabinet is not whole ($geometry): $(cat "$work/$1.why")"
}

play_on() {
    local size=$1
    start_display "$size"
    openbox >"$work/openbox.log" 2>&1 &
    pids+=($!)
    sleep 1
    start_game
    whole "$size-start"
    xdotool windowfocus --sync "$window"
    xdotool key Return
    sleep 0.4
    wmctrl -i -r "$window" -b remove,maximized_vert,maximized_horz
    xdotool windowsize --sync "$window" "${2:-70%}" "${3:-70%}" || true
    sleep 3
    whole "$size-resized"
    # The spin may have opened the bonus game, which holds the window until it is played.
    sleep 2
    finish_bonus || true
    exit_game
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    pids=()
    sleep 0.5
}

play_on 800x600
play_on 1366x768
play_on 1920x1080
play_on 3840x2160
# A window tiled on the left half of a 1280 by 1024 screen.
play_on 1280x1024 640 1005

# A screen that doubles every pixel: the cabinet is drawn in the screen's own pixels, and a click
# on "2 Credits" lands on that key.
start_display 1920x1080
export XDG_CONFIG_HOME="$work/doubled-config"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
QT_SCALE_FACTOR=2 start_game
whole "doubled"
read -r left top right _ < <("$find_cabinet" "$work/doubled.png" $(xwininfo -id "$window" |
    awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2}
         /Height:/ {h=$2} END {print x, y, w, h}'))
width=$((right - left + 1))
[ "$width" -gt 1200 ] || fail "the doubled screen's cabinet is $width pixels wide, not drawn at its pixels"
click $((left + 280 * width / 800)) $((top + 508 * width / 800))
sleep 5
exit_game
grep -qx "TotalBets=18" "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "the click missed 2 Credits"
echo ok
