#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game played through the accessibility bus, as a screen reader sees it: on a session bus of
# its own with the accessibility bus behind it, a bonus game kept from the last run is played by
# choosing a card, Spin is pressed and the credits meter read, and File > Exit ends the game.
# Usage: a11y_e2e.sh QUILLANE
set -euo pipefail
if [ -z "${A11Y_E2E_INSIDE:-}" ]; then
    A11Y_E2E_INSIDE=1 exec dbus-run-session -- "$0" "$@"
fi

quillane=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=lib.sh
. "$here/lib.sh"

start_display 800x700
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_CONFIG_HOME/quillane"
printf '[BonusGame]\nLines=9\nCreditsPerLine=1\nSeed=5\n' >"$XDG_CONFIG_HOME/quillane/quillane.ini"

"$quillane" >>"$work/game.log" 2>&1 &
game=$!
pids+=("$game")
timeout 90 /usr/bin/python3 "$here/a11y_e2e.py" || fail "$(tail -n 5 "$work/game.log")"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "File > Exit did not end the game"
grep -q '^Spins=1' "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "the spin was not stored"
grep -q '^\[GameNo1\]' "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "slot 1 was not saved"
grep -q '^Borrowed=2000' "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "the borrowing was not stored"
echo "PASS"
