#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game kept through every way a session ends, under a window manager: SIGTERM (a logout) and
# SIGHUP while the reels turn end the program with status 0 and the spin stored whole; SIGKILL
# while the reels turn loses nothing either, and the next start shows on its meter what the game
# file and the history both hold.
# usage: durable_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

ini() { echo "$XDG_CONFIG_HOME/quillane/quillane.ini"; }
history() { echo "$XDG_DATA_HOME/quillane/quillane-history.jsonl"; }
value() { sed -n "/^\[CurrentGame\]/,/^\[/s/^$1=//p" "$(ini)" | tr -d '\r'; }

# The game file, the history's header and its last spin tell one story: $1 spins.
agree() {
    local credits spins header last
    credits=$(value Credits)
    spins=$(value Spins)
    [ "$spins" = "$1" ] || fail "after $2 the game file holds $spins spins, not $1"
    header=$(head -n1 "$(history)")
    last=$(tail -n1 "$(history)")
    grep -q "\"credits\":$credits,.*\"spins\":$spins," <<<"$header" ||
        fail "after $2 the history's header differs from the game file: $header"
    grep -q "\"credits\":$credits[,}]" <<<"$last" ||
        fail "after $2 the last spin's balance differs from the game file's $credits: $last"
    [ "$(grep -c '"time":' "$(history)")" = "$1" ] || fail "after $2 the history lacks spins"
}

# Starts the game and ends it with signal $1 while the reels of a spin turn, or, when the game
# comes back with a bonus game an earlier end cut off, while that bonus game is up. $ended is
# the program's status and $spins the spins there have been.
spins=0
end_with() {
    start_game
    if xdotool search --onlyvisible --name '^Bingo Bonus Game$' >/dev/null; then
        echo "a bonus game came back" >&2
    else
        xdotool windowfocus --sync "$window"
        xdotool key Return
        spins=$((spins + 1))
        sleep 0.4
    fi
    kill "-$1" "$game"
    ended=0
    wait "$game" || ended=$?
}

start_display 1024x768
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
for signal in TERM HUP INT; do
    end_with $signal
    [ "$ended" = 0 ] || fail "SIG$signal ended the game with status $ended"
    agree $spins "SIG$signal"
done
end_with KILL
[ "$ended" = 137 ] || fail "SIGKILL ended the game with status $ended"
agree $spins SIGKILL

# The next start shows what was stored, unless a bonus game comes back first and covers it.
stored=$(value Credits)
start_display
start_game
if ! grep -q '^\[BonusGame\]' "$(ini)"; then
    find_meter
    [ "$(credits)" = "$stored" ] || fail "the meter shows $(credits) credits, the game file $stored"
fi
kill -TERM "$game"
wait "$game" || fail "the last start did not end with status 0"
[ -z "$(find "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" -name '*.tmp')" ] || fail "temporary files left"
echo "durable e2e passed"
