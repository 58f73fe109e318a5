#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two copies on one settings directory, under a window manager: the second says the game is
# running, brings the first forward through a socket in XDG_RUNTIME_DIR, ignoring another user's
# socket in /tmp, and leaves without touching the game file. Then a player with no home directory
# at all can still play and quit. Neither puts a socket in /tmp.
# usage: instances_e2e.sh QUILLANE
set -euo pipefail
quillane=$1
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"
touch "$work/before"

start_display 1024x768
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
# Another user listens in /tmp under the name the game's socket once had there.
hash=$(printf %s "$XDG_CONFIG_HOME/quillane/quillane.lock" | sha1sum | cut -c1-16)
squatter="/tmp/quillane-$hash"
trap 'rm -f "$squatter"; cleanup' EXIT
python3 -c '
import os, socket, sys
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
os.chown(sys.argv[1], 54321, 54321)
s.listen(4)
s.accept()
print("called", flush=True)' "$squatter" >"$work/squatter.log" 2>&1 &
pids+=($!)
owner() { stat -c %u "$squatter" 2>/dev/null || true; }
for _ in $(seq 50); do [ "$(owner)" = 54321 ] && break; sleep 0.1; done
[ "$(owner)" = 54321 ] || fail "the other user's socket was not made"
start_game
first=$window
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
start_game
first=$window
game_file="$XDG_CONFIG_HOME/quillane/quillane.ini"
before=$(sha256sum "$game_file")
[ -S "$work/quillane-$hash" ] || fail "no socket in XDG_RUNTIME_DIR: $(ls "$work")"
xdotool windowminimize --sync "$first" || true

"$quillane" >>"$work/second.log" 2>&1 &
second=$!
pids+=($second)
box=""
for _ in $(seq 100); do
    box=$(xdotool search --onlyvisible --name '^Quillane$' | grep -v "^$first\$" | head -n1 || true)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "the second copy said nothing"
import -window root "$work/second.png"
[ "$(xdotool getactivewindow)" = "$first" ] || [ "$(xdotool getactivewindow)" = "$box" ] ||
    fail "neither the running game nor the message is in front"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
for _ in $(seq 50); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
kill -0 "$second" 2>/dev/null && fail "the second copy did not leave"
wait "$second" || fail "the second copy failed"
[ "$(sha256sum "$game_file")" = "$before" ] || fail "the second copy touched the game file"
xdotool search --onlyvisible --name '^Quillane$' | grep -qx "$first" ||
    fail "the running game was not brought back"
[ -s "$work/squatter.log" ] && fail "a copy called the other user's socket"
exit_game

# No home directory: a user the system does not know, with neither HOME nor XDG_CONFIG_HOME.
chmod 755 "$work"
setpriv --reuid=54321 --regid=54321 --clear-groups \
    env -u HOME -u XDG_CONFIG_HOME XDG_RUNTIME_DIR=/tmp "$quillane" >>"$work/homeless.log" 2>&1 &
homeless=$!
pids+=($homeless)
timeout 20 xdotool search --sync --onlyvisible --name '^Quillane$' >/dev/null ||
    fail "no window for the homeless game"
sleep 1
# The box saying so stands over the cabinet: the window made last.
box=$(xdotool search --onlyvisible --name '^Quillane$' | sort -n | tail -n1)
import -window root "$work/homeless.png"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
sleep 1
window=$(xdotool search --onlyvisible --name '^Quillane$' | sort -n | head -n1)
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f
sleep 0.5
xdotool key x
sleep 1
import -window root "$work/quit.png"
xdotool key alt+y
for _ in $(seq 50); do kill -0 "$homeless" 2>/dev/null || break; sleep 0.1; done
kill -0 "$homeless" 2>/dev/null && fail "the game without a home directory could not be quit"
# Sockets only: tests running beside this one leave files of their own in /tmp.
left=$(find /tmp -maxdepth 1 -type s -name 'quillane*' -newer "$work/before" ! -path "$squatter")
[ -z "$left" ] || fail "sockets appeared in /tmp: $left"
echo "ok"
