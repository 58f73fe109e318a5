#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Autoplay under Xvfb: 25 spins in quick play, started from the Options menu, each bonus game's
# card picked by hand; then the game history, opened from the menu, holds the 25 spins and ends
# on the meter's credits, and nothing was borrowed. AUTOPLAY_SHOT=FILE.png keeps a screenshot.
# usage: autoplay_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

history_file() { echo "$XDG_DATA_HOME/quillane/quillane-history.jsonl"; }
# The spins kept: every line but the header's.
lines() { [ -f "$(history_file)" ] && grep -c '"time":' "$(history_file)" || echo 0; }
bonus_window() { xdotool search --onlyvisible --name '^Bingo Bonus Game$' 2>/dev/null | head -n1 || true; }

start_display
mkdir -p "$XDG_CONFIG_HOME/quillane"
printf '[Options]\nQuickPlay=1\nAutoplaySpins=25\nAutoplayStopOnBonus=0\n' \
    >"$XDG_CONFIG_HOME/quillane/quillane.ini"
start_game
find_meter
xdotool windowfocus --sync "$window"
xdotool key alt+o
sleep 0.5
xdotool key a
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Autoplay$' | head -n1) ||
    fail "no Autoplay dialog"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key Return

bonus_games=0
for _ in $(seq 400); do
    # In quick play the bonus game calls quickly from the first: only the card is picked.
    finish_bonus quick && bonus_games=$((bonus_games + 1))
    [ "$(lines)" -ge 25 ] && [ -z "$(bonus_window)" ] && break
    sleep 0.5
done
sleep 1
finish_bonus quick && bonus_games=$((bonus_games + 1))
after=$(settle)
[ "$(lines)" = 25 ] || fail "autoplay played $(lines) spins, not 25"
echo "25 spins played, $bonus_games bonus games, credits $after"

look_at_history "${AUTOPLAY_SHOT:-}"
exit_game

tail -n1 "$(history_file)" | grep -q "\"credits\":$after[,}]" ||
    fail "the last spin's credits differ from the meter's $after: $(tail -n1 "$(history_file)")"
grep -qi '^Borrowed=1000' "$XDG_CONFIG_HOME/quillane/quillane.ini" ||
    fail "autoplay borrowed: $(grep -i borrowed "$XDG_CONFIG_HOME/quillane/quillane.ini")"
echo "autoplay e2e passed"
