#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays the real program under Xvfb: Enter, the spin button and the "2 Credits" key, each a spin.
# The credits meter on the screen and the game stored at Exit must agree, with spins and total
# bets as the three spins say. usage: spin_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

start_display
start_game
find_meter
[ "$(credits)" = 1000 ] || fail "a new game shows $(credits) credits"
xdotool windowfocus --sync "$window"
xdotool key Return
after1=$(spin_done)
click 636 $((origin_y + 506))
after2=$(spin_done)
click 280 $((origin_y + 508))
after3=$(spin_done)
echo "credits after each spin: $after1 $after2 $after3"
[ "$after1" -ge 991 ] || fail "the first spin took more than its 9 credits"
[ "$after2" -ge $((after1 - 9)) ] || fail "the second spin took more than 9"
[ "$after3" -ge $((after2 - 18)) ] || fail "the third spin took more than 18"

exit_game
ini="$XDG_CONFIG_HOME/quillane/quillane.ini"
grep -q "^Spins=3" "$ini" || fail "spins: $(cat "$ini")"
grep -q "^TotalBets=36" "$ini" || fail "total bets: $(cat "$ini")"
grep -q "^Credits=$after3\$" "$ini" || fail "stored credits differ from the meter's $after3: $(cat "$ini")"
echo "spin e2e passed"
