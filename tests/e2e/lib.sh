# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared steps of the end-to-end scripts: an X display of our own, the real program on it, and
# reading its credits meter from screenshots. Expects $work, and $read_meter and $green for the
# meter; sets DISPLAY, $game and $window.

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${KEEP_E2E:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

start_display() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "${1:-800x700}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
    export SDL_AUDIODRIVER=dummy
}

start_game() {
    "$quillane" >>"$work/game.log" 2>&1 &
    game=$!
    pids+=($game)
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quillane$' | head -n1) ||
        fail "no window captioned Quillane"
    sleep 1
}

# File > Exit; on a busy machine the menu may open after the key meant for it, so a few tries.
exit_game() {
    # A spin just before may have opened the bonus game, which holds the cabinet until played.
    finish_bonus 2>/dev/null || true
    for _ in 1 2 3; do
        xdotool windowfocus --sync "$window" 2>/dev/null || true
        xdotool key alt+f
        sleep 1
        xdotool key x
        for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || return 0; sleep 0.1; done
        xdotool key Escape
    done
    fail "the program did not exit"
}

click() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool click 1
}

# The credits meter's top on the screen, found below the menu bar whatever its height and the
# margin above the cabinet, centred in a window taller than it.
find_meter() {
    local top y
    top=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p')
    import -window root "$work/screen.png"
    for y in $(seq $((top + 30)) $((top + 150))); do
        if [ "$("$read_meter" "$work/screen.png" "$green" 620 "$y")" != -1 ]; then
            meter=$y
            origin_y=$((meter - 30))
            return 0
        fi
    done
    fail "no credits meter on the screen"
}

credits() {
    import -window root "$work/screen.png"
    "$read_meter" "$work/screen.png" "$green" 620 "$meter"
}

# A spin has ended when the credits have stood still for three seconds: longer than the reels
# turn and the win sound plays together.
settle() {
    local last now same=0
    last=$(credits)
    for _ in $(seq 60); do
        sleep 0.5
        now=$(credits)
        if [ "$now" = "$last" ]; then same=$((same + 1)); else same=0; fi
        last=$now
        [ $same -ge 6 ] && { echo "$now"; return 0; }
    done
    fail "the credits never settled"
}

# The game history, opened from the Options menu, shot into $work/history.png (and into $1 when
# given) and closed with Escape.
look_at_history() {
    local history
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key alt+o
    sleep 0.5
    xdotool key h
    history=$(timeout 10 xdotool search --sync --onlyvisible --name '^Game History$' | head -n1) ||
        fail "no window captioned Game History"
    sleep 1
    import -window root "$work/history.png"
    [ -z "${1:-}" ] || cp "$work/history.png" "$1"
    xdotool windowfocus --sync "$history" 2>/dev/null || true
    xdotool key Escape
    sleep 0.5
    xdotool search --onlyvisible --name '^Game History$' >/dev/null && fail "Escape left the history open"
    return 0
}

# A spin with three balls opens the bonus game: pick the blue card, play it quickly (click the
# monitor, unless $1 says the game plays quickly already), and wait for the window to close itself.
finish_bonus() {
    local bonus
    bonus=$(xdotool search --onlyvisible --name '^Bingo Bonus Game$' | head -n1 || true)
    [ -n "$bonus" ] || return 1
    echo "a bonus game opened" >&2
    eval "$(xdotool getwindowgeometry --shell "$bonus")"
    # The window lays its 800 by 550 design out centred, grown with a large window.
    at() {
        awk -v x="$1" -v y="$2" -v X="$X" -v Y="$Y" -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
            s = w / 862; if (h / 613 < s) s = h / 613; if (s < 1) s = 1
            printf "%d %d", X + (w - 800 * s) / 2 + x * s, Y + (h - 550 * s) / 2 + y * s }'
    }
    # shellcheck disable=SC2046
    click $(at 80 420)
    if [ "${1:-}" != quick ]; then
        sleep 0.5
        # shellcheck disable=SC2046
        click $(at 408 58)
    fi
    for _ in $(seq 120); do
        xdotool search --onlyvisible --name '^Bingo Bonus Game$' >/dev/null || break
        sleep 0.5
    done
    xdotool search --onlyvisible --name '^Bingo Bonus Game$' >/dev/null && fail "the bonus game never ended"
    return 0
}

# ...and wait for the payout to be counted.
play_bonus() {
    finish_bonus || return 0
    settle >/dev/null
}

spin_done() {
    settle >/dev/null
    play_bonus
    credits
}
