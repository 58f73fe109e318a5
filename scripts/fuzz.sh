#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang in build-fuzz and runs each for the seconds given (30
# by default), starting from the seeds in tests/fuzz/corpus. New inputs stay in build-fuzz, an
# input that fails in build-fuzz/artifacts. Prints each target's executions and result.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
bash scripts/setup.sh
targets=(history_read_fuzz profile_read_fuzz profile_write_fuzz saved_game_fuzz jpeg_fuzz)
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DQUILLANE_FUZZ=ON -DBUILD_TESTING=OFF -DQUILLANE_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]}"
mkdir -p build-fuzz/artifacts
failed=0
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    log=build-fuzz/$target.log
    mkdir -p "$corpus"
    result=ok
    # A hang of ten seconds on one input counts as a fault, as a crash does.
    build-fuzz/tests/fuzz/$target "$corpus" "tests/fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" >"$log" 2>&1 || result=FAILED
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    printf '%-20s %12s executions  %s\n' "$target" "${runs:-?}" "$result"
    if [ "$result" != ok ]; then
        failed=1
        tail -n 40 "$log"
    fi
done
exit "$failed"
