#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The simulator's speed as the README states it: processor and wall time for a run of SPINS spins
# with their bonus games on one thread and on every core, the same spins without the bonus games,
# and what one bonus game costs counted in base-game spins, a ratio that a busy or slower machine
# hardly moves. Medians of RUNS runs. usage: sim_speed.sh QUILLANE_SIM [SPINS] [RUNS]
set -euo pipefail
sim=$1
spins=${2:-1000000}
runs=${3:-5}
cores=$(nproc)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "<wall> <processor>" seconds, the medians over the runs, for the simulator's arguments.
measure() {
    local n=$1
    shift
    for _ in $(seq "$runs"); do
        /usr/bin/time -f '%e %U %S' -o "$work/time" "$sim" --seed 20261208 --spins "$n" "$@" \
            >"$work/out"
        awk '{printf "%s %.3f\n", $1, $2 + $3}' "$work/time"
    done | sort -k2 -n | awk '{w[NR] = $1; c[NR] = $2} END {m = int((NR + 1) / 2); print w[m], c[m]}'
}

read -r wall1 cpu1 < <(measure "$spins" --threads 1)
bonus_games=$(awk '$1 == "Bonus" && $2 == "triggers" {gsub(",", "", $3); print $3}' "$work/out")
read -r wallN cpuN < <(measure "$spins" --threads "$cores")
# The base game alone is quick: twenty times the spins, so that the clock's ticks do not count.
read -r wall0 cpu0 < <(measure $((20 * spins)) --threads 1 --no-bonus)
echo "machine: $(lscpu | awk -F': *' '/Model name/ {print $2; exit}'), $cores cores"
printf '%d spins with their %d bonus games, 1 thread:   %.2f s of processor time, %.2f s wall\n' \
    "$spins" "$bonus_games" "$cpu1" "$wall1"
printf '%d spins with their bonus games, %d threads:    %.2f s of processor time, %.2f s wall\n' \
    "$spins" "$cores" "$cpuN" "$wallN"
printf '%d spins without the bonus games, 1 thread:    %.2f s of processor time\n' \
    $((20 * spins)) "$cpu0"
awk -v c1="$cpu1" -v c0="$cpu0" -v n="$spins" -v b="$bonus_games" 'BEGIN {
    base = c0 / (20 * n); bonus = (c1 - c0 / 20) / b
    printf "a base spin: %.0f ns; a bonus game: %.1f us, as much as %.0f base spins\n",
        1e9 * base, 1e6 * bonus, bonus / base
}'
