#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the game and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the tests there, the soak among them. The end-to-end tests drive the real
# program under Xvfb and stay with scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLANE_SANITIZE=ON \
    -DQUILLANE_BENCHMARKS=OFF
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 900 -E '^e2e_'
