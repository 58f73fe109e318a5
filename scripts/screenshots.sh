#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes the screenshots that the AppStream metainfo shows from the real program, built in build/,
# under Xvfb and openbox: the cabinet as a new game shows it and the payoff chart, into
# assets/screenshots/. HOME and the XDG directories are temporary, so no saved game is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
out=$PWD/assets/screenshots
quillane=$PWD/build/src/app/quillane
work=$(mktemp -d)
source tests/e2e/lib.sh

mkdir -p "$out" "$work/home"
export HOME="$work/home" XDG_DATA_HOME="$work/data"
start_display 1280x960
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
start_game

# Shows the window captioned $1, opened by the keys $2, into $out/$3.png, and closes it.
shoot() {
    xdotool windowfocus --sync "$window"
    xdotool key "$2"
    local shown
    shown=$(timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1) ||
        fail "no window captioned $1"
    sleep 1
    import -window "$shown" "$out/$3.png"
    wmctrl -i -c "$shown"
    sleep 0.5
}

import -window "$window" "$out/cabinet.png"
shoot "Payoff Chart" alt+p payoffs
exit_game
for shot in cabinet payoffs; do
    echo "$out/$shot.png: $(identify -format '%wx%h' "$out/$shot.png")"
done
