# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the benchmarks that run the real game: a private Xvfb display of the given size,
# with `work` a scratch directory, both gone when the script ends (`game`, if set, is ended too).
# usage: . bench/display.sh; start_display WIDTHxHEIGHT
work=$(mktemp -d)
game=
xvfb=
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

start_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR="$work"
}
