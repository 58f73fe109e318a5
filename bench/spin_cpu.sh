#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Processor use of the real game over ten spins under Xvfb: the reel animation and the count-up
# wait on the clock between frames, so most of the time the game should sleep.
# usage: spin_cpu.sh QUILLANE [SECONDS_PER_SPIN]
set -euo pipefail
quillane=$1
per_spin=${2:-6}
work=$(mktemp -d)
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
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
