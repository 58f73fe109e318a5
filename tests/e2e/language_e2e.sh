#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game started in a catalogue's language (LANGUAGE=de for quillane_de.ts), read through the
# accessibility bus: its menus and a refusal say what the catalogue says.
# Usage: language_e2e.sh QUILLANE CATALOGUE
set -euo pipefail
if [ -z "${LANGUAGE_E2E_INSIDE:-}" ]; then
    LANGUAGE_E2E_INSIDE=1 exec dbus-run-session -- "$0" "$@"
fi

quillane=$1
catalogue=$2
language=$(basename "$catalogue" .ts)
language=${language#quillane_}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
# shellcheck source=lib.sh
. "$here/lib.sh"

start_display 800x700
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LANGUAGE=$language LC_ALL=C.UTF-8
mkdir -p "$XDG_CONFIG_HOME/quillane"
printf '[CurrentGame]\r\nCredits=5\r\nBorrowed=1000\r\n' >"$XDG_CONFIG_HOME/quillane/quillane.ini"

"$quillane" >>"$work/game.log" 2>&1 &
game=$!
pids+=("$game")
timeout 90 /usr/bin/python3 "$here/language_e2e.py" "$catalogue" || fail "$(tail -n 5 "$work/game.log")"
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "File > Exit did not end the game"
echo "PASS"
