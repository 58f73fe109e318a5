#!/usr/bin/env bash
# The real program on a real X display: it starts with its caption, paints the cabinet as the
# offscreen rendering does, answers its menus, and stores the game when it exits.
# usage: cabinet_e2e.sh QUILLANE RENDER_CABINET
set -euo pipefail
quillane=$1
render=$2
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${KEEP_E2E:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work" SDL_AUDIODRIVER=dummy

"$quillane" >"$work/game.log" 2>&1 &
game=$!
pids+=($game)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane$' | head -n1) ||
    fail "no window captioned Quillane"
[ "$(xdotool getwindowname "$window")" = "Quillane" ] || fail "caption"
sleep 1

import -window root "$work/screen.png"
cat >"$work/screen.json" <<JSON
{"windowFrameMargins": false, "screens": [{"name": "s", "width": 800, "height": 700, "logicalDpi": 96}]}
JSON
QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" XDG_CONFIG_HOME="$work/render-config" \
    "$render" "$(dirname "$quillane")" "$work/expected.png" || fail "rendering the cabinet offscreen"
# Find the cabinet on the screen: below the menu bar, wherever the window was placed.
best=$(compare -metric AE -fuzz 3% -subimage-search "$work/screen.png" "$work/expected.png" \
       "$work/diff.png" 2>&1 >/dev/null || true)
differing=${best%% *}
[ -n "$differing" ] && [ "${differing%.*}" -lt 2000 ] ||
    fail "the screen differs from the cabinet's surface in $best pixels"

# Help > Version (the menu's first item) opens the Version box; Enter closes it.
xdotool windowfocus --sync "$window"
xdotool key alt+h
sleep 0.5
xdotool key Return
boxes=$(timeout 10 bash -c "until [ \$(xdotool search --onlyvisible --name '^Quillane\$' | wc -l) -ge 2 ]; do sleep 0.2; done; echo ok") ||
    fail "the Version box did not open"
xdotool key Return
sleep 0.5

# File > Exit stores the game and ends the program.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program did not exit"
ini="$XDG_CONFIG_HOME/quillane/quillane.ini"
[ -f "$ini" ] || fail "no game file at $ini"
grep -q '^\[CurrentGame\]' "$ini" && grep -q '^Credits=1000' "$ini" && grep -q '^Borrowed=1000' "$ini" ||
    fail "the stored game: $(cat "$ini")"
echo "cabinet e2e passed"
