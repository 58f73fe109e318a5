#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

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
# The spins kept: every line but the header's.
lines() { [ -f "$(history_file)" ] && grep -c '"time":' "$(history_file)" || echo 0; }

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

look_at_history "${HISTORY_SHOT:-}"
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
