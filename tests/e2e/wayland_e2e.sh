#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game as a Wayland client of Weston, with no X display of its own: it asks for its title, its
# application id (through which the compositor finds its entry and icon) and a maximised window,
# shows the whole cabinet, and quits through File > Exit, storing the game. Weston runs in a
# window of an Xvfb display: its headless backend has no keyboard to reach the game's menus with.
# usage: wayland_e2e.sh QUILLANE FIND_CABINET APP_ID
set -euo pipefail
quillane=$1
find_cabinet=$2
id=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

start_display 1024x768
chmod 700 "$work"
weston --backend=x11-backend.so --use-pixman --width=1024 --height=768 --socket=quillane-wayland \
    --no-config --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/quillane-wayland" ] && break; sleep 0.1; done
[ -S "$work/quillane-wayland" ] || fail "Weston did not start: $(cat "$work/weston.log")"

env -u DISPLAY WAYLAND_DISPLAY=quillane-wayland QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    "$quillane" >"$work/game.log" 2>"$work/wayland.log" &
game=$!
pids+=($game)
for _ in $(seq 100); do grep -q 'xdg_toplevel@[0-9]*\.configure(' "$work/wayland.log" && break; sleep 0.1; done
sleep 2
kill -0 "$game" 2>/dev/null || fail "the game stopped: $(grep -v ' -> \| xdg\| wl_' "$work/wayland.log" | tail)"

requests=$(grep -o 'xdg_toplevel@[0-9]*\.set_[a-z_]*([^)]*)' "$work/wayland.log" | sed 's/^[^.]*\.//' | sort -u)
grep -qx 'set_title("Quillane")' <<<"$requests" || fail "no title: $requests"
grep -qx "set_app_id(\"$id\")" <<<"$requests" || fail "no app id $id: $requests"
grep -qx 'set_maximized()' <<<"$requests" || fail "the window did not ask to be maximised: $requests"
# Weston gives a maximised window the whole output below its 32-pixel panel.
grep -q 'xdg_toplevel@[0-9]*\.configure(1024, 736, ' "$work/wayland.log" ||
    fail "not maximised: $(grep 'xdg_toplevel@[0-9]*\.configure(' "$work/wayland.log" | tail -n 3)"

# The cabinet is whole inside the frame Qt draws round the window, 3 pixels wide, whatever the
# height of the title bar above the menu bar.
import -window root "$work/screen.png"
whole=""
for top in $(seq 32 100); do
    if "$find_cabinet" "$work/screen.png" 3 "$top" 1018 $((765 - top)) >/dev/null 2>&1; then
        whole=$top
        break
    fi
done
[ -n "$whole" ] || fail "no whole cabinet in the Wayland window"

# Weston passes the X keyboard on to the focused Wayland window.
# On a busy machine the menu may open after the key meant for it, so a few tries.
xdotool mousemove 500 400
sleep 0.3
weston_window=$(xdotool search --name '^Weston Compositor' | head -n1 || true)
for _ in 1 2 3; do
    # Weston hands the keys on only while its own X window has the focus.
    [ -z "$weston_window" ] || xdotool windowfocus --sync "$weston_window" 2>/dev/null || true
    xdotool key alt+f
    sleep 1
    xdotool key x
    for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break 2; sleep 0.1; done
    xdotool key Escape
done
kill -0 "$game" 2>/dev/null && fail "the game did not exit through File > Exit"
wait "$game" || fail "the game exited with status $?"
grep -q '^\[CurrentGame\]' "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "the game was not stored"
echo "wayland e2e passed"
