#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Estimates again what a bonus game pays at each bet and rewrites src/core/bonus_estimate_table.cpp,
# from which the statistics window and the payoff chart give the bonus game's share of the return.
# Run it when the bonus game's rules or its dealing change. Usage: bash scripts/bonus_estimate.sh
# [GAMES [SEED]]; by default a million games from seed 1, some minutes on two cores.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-1000000}
seed=${2:-1}
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target quillane-bonus-estimate -j"$(nproc)"
table=src/core/bonus_estimate_table.cpp
build/tools/quillane-bonus-estimate --games "$games" --seed "$seed" >"$table.tmp"
mv "$table.tmp" "$table"
echo "wrote $table; rebuild and run the tests (figures_test checks it against a fresh simulation)"
