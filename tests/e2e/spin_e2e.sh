#!/usr/bin/env bash
# Plays the real program under Xvfb: Enter, the spin button and the "2 Credits" key, each a spin.
# The credits meter on the screen and the game stored at Exit must agree, with spins and total
# bets as the three spins say. usage: spin_e2e.sh QUILLANE READ_METER GREEN_DIGITS.png
set -euo pipefail
quillane=$1
read_meter=$2
green=$3
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
    fail "no window"
sleep 1
# The cabinet lies under the menu bar at the window's left edge; the meter says how far down.
top=$(xdotool getwindowgeometry "$window" | sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p')
meter_top() {
    local y
    for y in $(seq $((top + 30)) $((top + 70))); do
        if [ "$("$read_meter" "$work/screen.png" "$green" 620 "$y")" != -1 ]; then
            echo "$y"
            return 0
        fi
    done
    return 0
}
import -window root "$work/screen.png"
meter=$(meter_top)
[ -n "$meter" ] || fail "no credits meter on the screen"
origin_y=$((meter - 30))
echo "meter top $meter, cabinet top $origin_y"

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

click() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool click 1
}

# A spin with three balls opens the bonus game: pick the blue card, play it quickly, and wait
# for the window to close itself and the payout to be counted.
play_bonus() {
    local bonus
    bonus=$(xdotool search --onlyvisible --name '^Bingo Bonus Game$' | head -n1 || true)
    [ -n "$bonus" ] || return 0
    echo "a bonus game opened" >&2
    eval "$(xdotool getwindowgeometry --shell "$bonus")"
    local ox=$((X + (WIDTH - 800) / 2)) oy=$((Y + (HEIGHT - 550) / 2))
    click $((ox + 80)) $((oy + 420))
    sleep 0.5
    click $((ox + 351 + 57)) $((oy + 10 + 48))
    for _ in $(seq 120); do
        xdotool search --onlyvisible --name '^Bingo Bonus Game$' >/dev/null || break
        sleep 0.5
    done
    xdotool search --onlyvisible --name '^Bingo Bonus Game$' >/dev/null && fail "the bonus game never ended"
    settle >/dev/null
}
spin_done() {
    settle >/dev/null
    play_bonus
    credits
}

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

xdotool windowfocus --sync "$window"
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program did not exit"
ini="$XDG_CONFIG_HOME/quillane/quillane.ini"
grep -q "^Spins=3" "$ini" || fail "spins: $(cat "$ini")"
grep -q "^TotalBets=36" "$ini" || fail "total bets: $(cat "$ini")"
grep -q "^Credits=$after3\$" "$ini" || fail "stored credits differ from the meter's $after3: $(cat "$ini")"
echo "spin e2e passed"
