#!/usr/bin/env bash
# The game history under Xvfb: two spins, the history window opened from the Options menu and
# closed, the history file holding both spins with the meter's credits, and a third spin after a
# restart added to them. HISTORY_SHOT=FILE.png keeps a screenshot of the window.
# usage: history_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

history_file() { echo "$XDG_DATA_HOME/quillane/quillane-history.jsonl"; }
lines() { [ -f "$(history_file)" ] && wc -l <"$(history_file)" || echo 0; }

start_display
start_game
find_meter
xdotool windowfocus --sync "$window"
xdotool key Return
spin_done >/dev/null
xdotool key Return
after2=$(spin_done)
echo "credits after two spins: $after2"
[ "$(lines)" = 2 ] || fail "the history file holds $(lines) spins, not 2"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+o
sleep 0.5
xdotool key h
history=$(timeout 10 xdotool search --sync --onlyvisible --name '^Game History$' | head -n1) ||
    fail "no window captioned Game History"
sleep 1
import -window root "$work/history.png"
[ -z "${HISTORY_SHOT:-}" ] || cp "$work/history.png" "$HISTORY_SHOT"
xdotool windowfocus --sync "$history" 2>/dev/null || true
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^Game History$' >/dev/null && fail "Escape left the history open"
exit_game

tail -n1 "$(history_file)" | grep -q "\"credits\":$after2[,}]" ||
    fail "the last spin's credits differ from the meter's $after2: $(tail -n1 "$(history_file)")"

start_game
find_meter
xdotool windowfocus --sync "$window"
xdotool key Return
after3=$(spin_done)
exit_game
[ "$(lines)" = 3 ] || fail "after a restart and a spin the history holds $(lines) spins, not 3"
tail -n1 "$(history_file)" | grep -q "\"credits\":$after3[,}]" ||
    fail "the third spin's credits differ from the meter's $after3"
echo "history e2e passed"
