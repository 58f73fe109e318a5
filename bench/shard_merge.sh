#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# A run played whole, then split into 1, 2, 7 and 64 shards played side by side and merged: the
# merged reports (text and JSON) must be the whole run's byte for byte. Prints the processor time
# of each (user + system, all processes) and the time on the clock.
# usage: shard_merge.sh QUILLANE_SIM [SPINS] [SEED]
set -euo pipefail
sim=$1
spins=${2:-2000000}
seed=${3:-20261208}
run=(--seed "$seed" --spins "$spins")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobs=$(nproc)

# GNU parallel when installed, else xargs: either runs one shard a process, `jobs` at a time.
shards() {
    local n=$1
    if command -v parallel >/dev/null; then
        seq "$n" | parallel -j "$jobs" "'$sim' ${run[*]} --threads 1 --json --shard {}/$n >'$work/$n-{}.json'"
    else
        seq "$n" | xargs -P "$jobs" -I{} sh -c \
            "'$sim' ${run[*]} --threads 1 --json --shard {}/$n >'$work/$n-{}.json'"
    fi
}

# Runs the command and prints its processor and clock seconds after the label.
timed() {
    local label=$1
    shift
    local start end cpu
    start=$(date +%s.%N)
    local before after
    before=$(awk '{print $16 + $17}' /proc/$$/stat)
    "$@"
    after=$(awk '{print $16 + $17}' /proc/$$/stat)
    end=$(date +%s.%N)
    cpu=$(echo "($after - $before) / $(getconf CLK_TCK)" | bc -l)
    printf '%-22s cpu %8.2f s   clock %8.2f s\n' "$label" "$cpu" "$(echo "$end - $start" | bc -l)"
}


echo "quillane-sim ${run[*]}, $jobs processes at a time"
whole() { "$sim" "${run[@]}" --threads 1 >"$work/whole.txt"; }
timed "whole, one thread" whole
"$sim" "${run[@]}" --json >"$work/whole.json"
for n in 1 2 7 64; do
    timed "$n shards" shards "$n"
    files=()
    for k in $(seq "$n"); do files+=("$work/$n-$k.json"); done
    "$sim" --merge "${files[@]}" >"$work/merged.txt"
    "$sim" --merge --json "${files[@]}" >"$work/merged.json"
    cmp "$work/whole.txt" "$work/merged.txt"
    cmp "$work/whole.json" "$work/merged.json"
    echo "$n shards merged: the same text and JSON reports as the whole run"
done
