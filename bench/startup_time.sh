#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Time from start to a mapped window, for the game and for an empty Qt window, run alternately on
# one Xvfb display so that both meet the same machine; prints each run (seconds to the mapped
# window, processor seconds by then, seconds to the first paint) and the medians.
# usage: startup_time.sh BUILD_DIR [RUNS] [WIDTHxHEIGHT]; QUILLANE=PROGRAM times another build of
# the game against this build's empty window
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-15}
size=${3:-1024x768}
. "$(dirname "$0")/display.sh"
start_display "$size"
export SDL_AUDIODRIVER=dummy
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
program=${QUILLANE:-"$build/src/app/quillane"} bare="$build/bench/bare_window" timer="$build/bench/map_timer"
# A first start of each fills the file caches and writes the game's first files.
"$timer" "$program" >/dev/null
"$timer" "$bare" >/dev/null
for n in $(seq "$runs"); do
    printf 'game %s\n' "$("$timer" "$program")" >>"$work/runs"
    printf 'bare %s\n' "$("$timer" "$bare")" >>"$work/runs"
done
cat "$work/runs"
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
for what in game bare; do
    wall=$(awk -v w=$what '$1 == w {print $2}' "$work/runs" | median)
    cpu=$(awk -v w=$what '$1 == w {print $3}' "$work/runs" | median)
    paint=$(awk -v w=$what '$1 == w {print $4}' "$work/runs" | median)
    printf '%s: median %.3f s to a mapped window, %.3f s of processor time, first paint at %.3f s\n' \
        "$what" "$wall" "$cpu" "$paint"
    eval "${what}_wall=$wall"
done
awk -v g="$game_wall" -v b="$bare_wall" 'BEGIN {printf "the game takes %.2f times as long as the empty window\n", g / b}'
