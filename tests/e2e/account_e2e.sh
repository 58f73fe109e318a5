#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Saving and opening under Xvfb: play, save into slot 2, start a new game, open slot 2, exit,
# start the program again and find the opened game restored, with the statistics window showing
# the figures of the stored game. usage: account_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png RENDER_STATS
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
render_stats=$4
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

menu() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key "alt+$1"
    sleep 0.5
    [ -z "$2" ] || xdotool key "$2"
}
dialog() {
    timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1 || fail "no window \"$1\""
}
# The OK button of slot n in the slot dialog, in screen coordinates.
press_slot() {
    local d=$1 n=$2
    eval "$(xdotool getwindowgeometry --shell "$d")"
    local left=$((n <= 4 ? 16 : 312)) top=$((16 + 72 * ((n - 1) % 4)))
    click $((X + left + 232 + 24)) $((Y + top + 16 + 18))
}

start_display
start_game
find_meter
xdotool windowfocus --sync "$window"
xdotool key Return
played=$(spin_done)
xdotool key Return
played=$(spin_done)
echo "credits after two spins: $played"

menu f s
press_slot "$(dialog '^Save a Game -- Select Game Slot$')" 2
dialog '^Name for this saved game\?$' >/dev/null
xdotool key ctrl+a
xdotool type --delay 20 "Evening game"
xdotool key Return
sleep 0.5

menu f n
sleep 0.5
[ "$(credits)" = 1000 ] || fail "a new game shows $(credits) credits"

menu f o
press_slot "$(dialog '^Open a Game -- Select Game Slot$')" 2
sleep 0.5
[ "$(credits)" = "$played" ] || fail "slot 2 opened with $(credits) credits, saved with $played"
exit_game

ini="$XDG_CONFIG_HOME/quillane/quillane.ini"
grep -q "^GameName=Evening game" "$ini" || fail "the slot's name: $(cat "$ini")"
start_game
find_meter
[ "$(credits)" = "$played" ] || fail "the next start shows $(credits) credits, not $played"

# The statistics window, against the same window rendered offscreen for the stored account.
value() { sed -n '/^\[CurrentGame\]/,/^\[/p' "$ini" | sed -n "s/^$1=//p"; }
menu s ""
stats=$(dialog '^Your Game Statistics$')
sleep 0.5
import -window "$stats" "$work/stats.png"
cat >"$work/screen.json" <<JSON
{"windowFrameMargins": false, "screens": [{"name": "s", "width": 800, "height": 700, "logicalDpi": 96}]}
JSON
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" XDG_CONFIG_HOME="$work/render-config" \
    "$render_stats" "$(value Credits)" "$(value Borrowed)" "$(value Spins)" "$(value TotalBets)" \
    "$(value Bonus)" "$work/stats-expected.png" "$XDG_DATA_HOME/quillane" ||
    fail "rendering the statistics offscreen"
differing=$(compare -metric AE -fuzz 3% "$work/stats.png" "$work/stats-expected.png" "$work/stats-diff.png" 2>&1 || true)
[ "${differing%% *}" -lt 50 ] 2>/dev/null || fail "the statistics window differs in $differing pixels"
xdotool key Return
sleep 0.5
exit_game
sed -n '/^\[CurrentGame\]/,/^\[/p' "$ini" | grep -q "^Spins=2" || fail "spins: $(cat "$ini")"
echo "account e2e passed"
