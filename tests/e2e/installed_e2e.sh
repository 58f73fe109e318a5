#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The game installed into a staging directory, moved elsewhere and started from there under Xvfb
# with the source and build trees hidden: it finds its own files in share/quillane and the
# player's picture first, shows the cabinet, plays through SDL's disk driver and opens the manual
# at the cabinet's topic. HOME and the XDG directories are the test's own.
# usage: installed_e2e.sh BUILD_DIR SOURCE_DIR FIND_CABINET
set -euo pipefail
build=$(realpath "$1")
source_dir=$(realpath "$2")
find_cabinet=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    fail "the staging install: $(cat "$work/install.log")"
mv "$work/stage/usr" "$work/game"
[ -x "$work/game/games/quillane" ] || fail "no games/quillane"
[ -f "$work/game/share/quillane/Bingo0.wav" ] || fail "no share/quillane/Bingo0.wav"

# A mount namespace hides both trees from the game; where none can be made the move alone shows
# that nothing is found through the path it was built or staged at.
quillane="$work/game/games/quillane"
if unshare --mount --propagation private true 2>/dev/null; then
    cat >"$work/hidden" <<SCRIPT
#!/bin/sh
exec unshare --mount --propagation private sh -c \
    'mount -t tmpfs none "$build" && mount -t tmpfs none "$source_dir" && exec "$quillane"'
SCRIPT
    chmod +x "$work/hidden"
    quillane="$work/hidden"
else
    echo "no mount namespace here: the trees stay visible" >&2
fi

export HOME="$work/home" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir -p "$HOME" "$XDG_DATA_HOME/quillane"
# The player's SPIN button: pure green, where the game's own is red and silver.
convert -size 58x70 xc:'#00ff00' "$XDG_DATA_HOME/quillane/SpinBut.jpg"

start_display 1024x768
# A window manager closes the manual as a player would; the game runs on while it is open.
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
sleep 1
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw"
start_game
sleep 2
boxes=$(xdotool search --onlyvisible --name '^Quillane$' | wc -l)
[ "$boxes" -eq 1 ] || fail "$boxes windows captioned Quillane: a file was missing? $(cat "$work/game.log")"

import -window root "$work/screen.png"
read -r x y w h < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
"$find_cabinet" "$work/screen.png" "$x" "$y" "$w" "$h" >/dev/null 2>"$work/cabinet.why" ||
    fail "the cabinet is not whole: $(cat "$work/cabinet.why")"
green=$(convert "$work/screen.png" -fuzz 12% -fill black +opaque '#00ff00' -fill white -opaque '#00ff00' \
    -format '%[fx:int(mean*w*h)]' info:)
[ "$green" -gt 1000 ] || fail "the player's SPIN button is not shown ($green green pixels)"

[ -s "$work/audio.raw" ] || fail "nothing reached the disk audio driver"
[ "$(tr -d '\000' <"$work/audio.raw" | head -c 1 | wc -c)" -eq 1 ] || fail "only silence was played"

# F1 opens the manual scrolled to the cabinet's topic: wheeling up to its top changes what shows.
xdotool windowfocus --sync "$window"
xdotool key F1
manual=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quillane Manual$' | head -n1) ||
    fail "F1 opened no manual"
sleep 0.5
import -window "$manual" "$work/topic.png"
eval "$(xdotool getwindowgeometry --shell "$manual")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
xdotool click --repeat 40 --delay 20 4
sleep 0.5
import -window "$manual" "$work/top.png"
differing=$(compare -metric AE "$work/topic.png" "$work/top.png" /dev/null 2>&1 || true)
[ "${differing%% *}" != 0 ] || fail "the manual opened at its top, not at the topic"
wmctrl -i -c "$manual"
sleep 0.5

exit_game
wait "$game" || fail "the game exited with status $?"
grep -q '^\[CurrentGame\]' "$XDG_CONFIG_HOME/quillane/quillane.ini" || fail "the game was not stored"
echo "installed e2e passed"
