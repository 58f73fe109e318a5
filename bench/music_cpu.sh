#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the music costs an idle game: the real game under Xvfb, left alone, in runs with music on
# and off in turn, each measured over SECONDS after its start-up. The first run starts with an
# empty music cache and is reported on its own ("cold"); the others find the track rendered.
# usage: music_cpu.sh QUILLANE [SECONDS] [PAIRS]
set -euo pipefail
quillane=$1
seconds=${2:-20}
pairs=${3:-3}
settle=4
. "$(dirname "$0")/display.sh"
start_display 800x700
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
# Mixed at the device's pace and thrown away.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
ticks=$(getconf CLK_TCK)

# One run: prints the share of one core, in percent, the game used over the window.
run() {
    mkdir -p "$XDG_CONFIG_HOME/quillane"
    printf '[Options]\nMusic=%s\nShortcutHintShown=1\n' "$1" >"$XDG_CONFIG_HOME/quillane/quillane.ini"
    "$quillane" >/dev/null 2>&1 &
    game=$!
    timeout 20 xdotool search --sync --onlyvisible --name '^Quillane$' >/dev/null
    sleep "$settle"
    local before after start end
    before=$(awk '{print $14 + $15}' "/proc/$game/stat")
    start=$(date +%s.%N)
    sleep "$seconds"
    after=$(awk '{print $14 + $15}' "/proc/$game/stat")
    end=$(date +%s.%N)
    kill "$game"
    wait "$game" 2>/dev/null || true
    game=
    awk -v b="$before" -v a="$after" -v s="$start" -v e="$end" -v t="$ticks" \
        'BEGIN { printf "%.2f\n", 100 * (a - b) / t / (e - s) }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

cold=$(run 1)
echo "music on, cold cache: $cold % of a core"
: >"$work/on"
: >"$work/off"
for n in $(seq "$pairs"); do
    on=$(run 1)
    off=$(run 0)
    echo "run $n: music on $on %, music off $off %"
    echo "$on" >>"$work/on"
    echo "$off" >>"$work/off"
done
on=$(median <"$work/on")
off=$(median <"$work/off")
awk -v on="$on" -v off="$off" 'BEGIN {
    printf "median: music on %.2f %%, music off %.2f %%; music costs %.2f %% of a core\n", on, off, on - off
}'
