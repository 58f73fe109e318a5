#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Peak resident memory of the real game on an X display of the given size, after start-up and
# a few seconds of idle music and painting: at a first start, while the first track is played by
# the synthesizer and rendered into the music cache, and at a later start, which plays it from
# there. usage: peak_memory.sh QUILLANE [WIDTHxHEIGHT]
set -euo pipefail
quillane=$1
size=${2:-1920x1080}
. "$(dirname "$0")/display.sh"
start_display "$size"
export XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
export XDG_CACHE_HOME="$work/cache"

# Plays for a few seconds, leaves through File > Exit and prints the peak in megabytes.
peak() {
    /usr/bin/time -v -o "$work/time" "$quillane" >/dev/null 2>&1 &
    local game=$!
    sleep 5
    local window
    window=$(xdotool search --onlyvisible --name '^Quillane$' | head -n1)
    xdotool windowfocus --sync "$window"
    xdotool key alt+f
    sleep 0.5
    xdotool key x
    wait "$game"
    awk '/Maximum resident set size/ {printf "%.1f MB\n", $NF / 1000}' "$work/time"
}

echo "$size, first start: $(peak)"
ls "$XDG_CACHE_HOME"/quillane/music/*.ogg >/dev/null 2>&1 ||
    echo "(the first track was not rendered yet: the later start renders it too)"
echo "$size, later start: $(peak)"
