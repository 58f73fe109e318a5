#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Processor use of the real game over ten spins under Xvfb: the reel animation and the count-up
# wait on the clock between frames, so most of the time the game should sleep.
# usage: spin_cpu.sh QUILLANE [SECONDS_PER_SPIN]
set -euo pipefail
quillane=$1
per_spin=${2:-6}
. "$(dirname "$0")/display.sh"
start_display 800x700
export XDG_CONFIG_HOME="$work/config"
export SDL_AUDIODRIVER=dummy
"$quillane" >/dev/null 2>&1 &
game=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane$' | head -n1)
sleep 2
xdotool windowfocus --sync "$window"
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$game/stat"; }
before=$(cpu)
start=$(date +%s.%N)
for _ in $(seq 10); do
    xdotool key Return
    sleep "$per_spin"
done
after=$(cpu)
end=$(date +%s.%N)
awk -v b="$before" -v a="$after" -v s="$start" -v e="$end" -v t="$ticks" 'BEGIN {
    cpu = (a - b) / t; wall = e - s
    printf "ten spins: %.2f s of processor time in %.1f s, %.1f%% of one core\n", cpu, wall, 100 * cpu / wall
}'
grep -E '^(Spins|TotalBets|Credits)=' "$work/config/quillane/quillane.ini" 2>/dev/null || true
