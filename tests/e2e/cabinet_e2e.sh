#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on a real X display: it starts with its caption, paints the cabinet as the
# offscreen rendering does, answers its menus, and stores the game when it exits.
# usage: cabinet_e2e.sh QUILLANE RENDER_CABINET
set -euo pipefail
quillane=$1
render=$2
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

start_display
# A returning player's start: the first one names the keys in the message strip, past the point
# the offscreen rendering shows.
mkdir -p "$XDG_CONFIG_HOME/quillane"
printf '[Options]\nShortcutHintShown=1\n' >"$XDG_CONFIG_HOME/quillane/quillane.ini"
start_game
[ "$(xdotool getwindowname "$window")" = "Quillane" ] || fail "caption"

import -window root "$work/screen.png"
cat >"$work/screen.json" <<JSON
{"windowFrameMargins": false, "screens": [{"name": "s", "width": 800, "height": 700, "logicalDpi": 96}]}
JSON
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" XDG_CONFIG_HOME="$work/render-config" \
    "$render" "$(dirname "$quillane")" "$work/expected.png" || fail "rendering the cabinet offscreen"
# Find the cabinet on the screen: below the menu bar, wherever the window was placed.
best=$(compare -metric AE -fuzz 3% -subimage-search "$work/screen.png" "$work/expected.png" \
       "$work/diff.png" 2>&1 >/dev/null || true)
differing=${best%% *}
[ -n "$differing" ] && [ "${differing%.*}" -lt 2000 ] ||
    fail "the screen differs from the cabinet's surface in $best pixels"

# Help > Version (the menu's first item) opens the Version box; Enter closes it.
xdotool windowfocus --sync "$window"
xdotool key alt+h
sleep 0.5
xdotool key Return
timeout 10 bash -c "until [ \$(xdotool search --onlyvisible --name '^Quillane\$' | wc -l) -ge 2 ]; do sleep 0.2; done" ||
    fail "the Version box did not open"
xdotool key Return
sleep 0.5

exit_game
ini="$XDG_CONFIG_HOME/quillane/quillane.ini"
[ -f "$ini" ] || fail "no game file at $ini"
grep -q '^\[CurrentGame\]' "$ini" && grep -q '^Credits=1000' "$ini" && grep -q '^Borrowed=1000' "$ini" ||
    fail "the stored game: $(cat "$ini")"
echo "cabinet e2e passed"
