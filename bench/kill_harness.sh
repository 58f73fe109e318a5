#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays one game with play_driver again and again, ending each run at a random moment: most with
# SIGKILL, the others with SIGTERM or SIGHUP, which must end the game in order with status 0.
# After every run `play_driver check` loads the game as the next start would. The files must
# agree, keep every spin that was shown, undo none, keep an interrupted bonus game as it was
# dealt and leave no temporary file behind. Takes about three seconds a run.
# usage: kill_harness.sh PLAY_DRIVER [KILLS] [TERMS] [HUPS]    (defaults 1000, 100, 50)
set -euo pipefail

driver=$(realpath "$1")
kills=${2:-1000}
terms=${3:-100}
hups=${4:-50}
seed=${KILL_HARNESS_SEED:-$((RANDOM * 32768 + RANDOM))}
RANDOM=$seed

work=$(mktemp -d "${TMPDIR:-/tmp}/quillane-kills-XXXXXX")
keep=0
pid=
cleanup() {
    if [[ -n $pid ]]; then
        kill -KILL "$pid" 2>/dev/null || true
    fi
    if ((keep)); then
        echo "the runs' logs are kept in $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
mkdir -p "$work/runtime" "$work/logs"
chmod 700 "$work/runtime"
failures="$work/failures.txt"

now_ms() {
    local micro=${EPOCHREALTIME//[!0-9]/}
    echo $((micro / 1000))
}

# A child that has ended stays a zombie until it is waited for; kill -0 would still find it.
running() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [[ $state != Z ]]
}

# The order of the runs: the kinds shuffled together.
schedule=()
for ((i = 0; i < kills; i++)); do schedule+=(KILL); done
for ((i = 0; i < terms; i++)); do schedule+=(TERM); done
for ((i = 0; i < hups; i++)); do schedule+=(HUP); done
total=${#schedule[@]}
for ((i = total - 1; i > 0; i--)); do
    j=$(((RANDOM * 32768 + RANDOM) % (i + 1)))
    t=${schedule[i]}
    schedule[i]=${schedule[j]}
    schedule[j]=$t
done

declare -A landed=() windows=()
made_kills=0 made_terms=0 made_hups=0
agreed=0 shown_checked=0 shown_lost=0 drawn_checked=0 drawn_lost=0 undone=0 reset_runs=0
interrupted=0 cards_checked=0 bonus_mismatches=0 orderly=0 orderly_zero=0 held_for_ready=0
temporaries=0 found_temporaries=0 completed=0 ended_early=0 credits_checked=0
previous_spins=0 pending_seed=- pending_card=-
started=$(now_ms)

fail() {
    keep=1
    {
        echo "=== run $run ($kind, signal at $signal_ms): $1"
        echo "--- last lines of its log:"
        tail -n 25 "$log"
        echo "--- check: $check"
    } >>"$failures"
}

for ((run = 1; run <= total; run++)); do
    kind=${schedule[run - 1]}
    log="$work/logs/$run.log"
    if [[ $pending_seed != - ]] && ((RANDOM % 3 == 0)); then
        # Long enough for a bonus game that was interrupted to play out to its blackout.
        delay=$((5000 + RANDOM % 7001))
    else
        delay=$((300 + RANDOM % 3701))
    fi
    "$driver" play "$log" $((RANDOM * 32768 + RANDOM)) >"$work/logs/$run.out" 2>&1 &
    pid=$!
    sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
    status="" early=""
    if ! running "$pid"; then
        early=0
        wait "$pid" 2>/dev/null || early=$?
        pid=
        signal_ms=$(now_ms)
        ((++ended_early))
    elif [[ $kind == KILL ]]; then
        signal_ms=$(now_ms)
        kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        pid=
        ((++made_kills))
    else
        # Before the handlers are in place a signal ends the process as the system does.
        if ! grep -q ' ready$' "$log" 2>/dev/null; then
            ((++held_for_ready))
            for _ in $(seq 400); do
                grep -q ' ready$' "$log" 2>/dev/null && break
                sleep 0.05
            done
        fi
        signal_ms=$(now_ms)
        kill "-$kind" "$pid" 2>/dev/null || true
        deadline=$((signal_ms + 30000))
        while running "$pid" && (($(now_ms) < deadline)); do sleep 0.05; done
        if running "$pid"; then
            kill -KILL "$pid" 2>/dev/null || true
        fi
        status=0
        wait "$pid" 2>/dev/null || status=$?
        pid=
        ((++orderly))
        if [[ $kind == TERM ]]; then ((++made_terms)); else ((++made_hups)); fi
    fi

    # A kill can cut the last line short: only whole lines count.
    lines=$(wc -l <"$log" 2>/dev/null || echo 0)
    read -r phase window shown drawn reset last_spin bonus_state bonus_seed bonus_card card_ms < <(
        head -n "$lines" "$log" 2>/dev/null | awk -v seed="$pending_seed" -v card="$pending_card" '
        BEGIN {
            phase = "Startup"; window = "none"; shown = -1; drawn = -1; reset = 0; last = -1
            state = (seed != "-") ? "pending" : "none"
            if (card == "-") card = -1
            card_ms = 0
        }
        $1 !~ /^[0-9]+$/ || NF < 2 { next }
        $2 == "phase" { phase = $3 }
        $2 == "dialog" { window = $3 }
        $2 == "shown" { shown = $3 }
        $2 == "drawn" {
            drawn = $3; last = $3
            if (state != "pending") state = "free"
        }
        $2 == "borrowed" { last = -1 }
        $2 == "newgame" || $2 == "open" {
            reset = 1; shown = -1; drawn = -1; last = -1; state = "unknown"
        }
        $2 == "bonus" && $3 != "-" {
            if ($4 != -1 && !($3 == seed && $4 == card)) card_ms = $1
            seed = $3; card = $4; state = "pending"
        }
        ($2 == "blackout" || ($2 == "pending" && $3 == "-")) && state == "pending" { state = "free" }
        END { print phase, window, shown, drawn, reset, last, state, seed, card, card_ms }')

    check=$("$driver" check $((last_spin >= 0 ? last_spin : -1)) 2>&1) && agree=1 || agree=0
    c_spins=-1 c_seed=- c_card=- c_temporaries=0 c_found=0 c_completed=0
    for pair in $check; do
        case $pair in
            spins=*) c_spins=${pair#*=} ;;
            bonus_seed=*) c_seed=${pair#*=} ;;
            bonus_card=*) c_card=${pair#*=} ;;
            temporaries=*) c_temporaries=${pair#*=} ;;
            temporaries_found=*) c_found=${pair#*=} ;;
            completed=*) c_completed=${pair#*=} ;;
        esac
    done

    if [[ -n $early ]]; then
        fail "the game ended by itself with status $early"
    elif [[ $kind == KILL ]]; then
        landed[$phase]=$((${landed[$phase]:-0} + 1))
        windows[$window]=$((${windows[$window]:-0} + 1))
    fi
    if ((agree)); then ((++agreed)); else fail "the files disagree"; fi
    ((last_spin >= 0)) && ((++credits_checked))
    if ((shown >= 0)); then
        ((++shown_checked))
        if ((c_spins < shown)); then
            ((++shown_lost))
            fail "spin $shown was shown and the restart has $c_spins"
        fi
    fi
    if ((drawn >= 0)); then
        ((++drawn_checked))
        ((c_spins < drawn)) && ((++drawn_lost))
    fi
    if ((reset)); then
        ((++reset_runs))
    elif ((c_spins < previous_spins)); then
        ((++undone))
        fail "the stored spins went down from $previous_spins to $c_spins"
    fi
    if [[ $bonus_state == pending ]]; then
        ((++interrupted))
        mismatch=
        [[ $c_seed == "$bonus_seed" ]] || mismatch="seed $bonus_seed, restarted with $c_seed"
        if [[ -z $mismatch && $bonus_card != -1 ]]; then
            if ((card_ms == 0 || signal_ms - card_ms > 50)); then
                ((++cards_checked))
                [[ $c_card == "$bonus_card" ]] || mismatch="card $bonus_card, restarted with $c_card"
            elif [[ $c_card != - && $c_card != "$bonus_card" ]]; then
                mismatch="card $bonus_card, restarted with $c_card"
            fi
        fi
        if [[ -n $mismatch ]]; then
            ((++bonus_mismatches))
            fail "interrupted bonus game: $mismatch"
        fi
    fi
    if [[ $kind != KILL && -n $status ]]; then
        if ((status == 0)); then ((++orderly_zero)); else fail "ended with status $status"; fi
    fi
    if ((c_temporaries > 0)); then
        ((++temporaries))
        fail "$c_temporaries temporary files left after the restart"
    fi
    ((c_found > 0)) && ((++found_temporaries))
    ((c_completed)) && ((++completed))
    previous_spins=$c_spins
    pending_seed=$c_seed
    pending_card=$c_card

    if ((run % 100 == 0)); then
        echo "run $run/$total ($((($(now_ms) - started) / 1000)) s): agreed $agreed, shown lost" \
            "$shown_lost, undone $undone, bonus mismatches $bonus_mismatches, orderly ends with" \
            "status 0 $orderly_zero/$orderly, temporaries $temporaries, spins $c_spins" >&2
    fi
done

percent() {
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f%%", b ? 100 * a / b : 100 }'
}
tally() {
    local -n counts=$1
    local out="" key
    for key in $(printf '%s\n' "${!counts[@]}" | sort); do
        out+="${out:+, }$key ${counts[$key]}"
    done
    echo "${out:-none}"
}
elapsed=$((($(now_ms) - started) / 1000))
echo "runs: $total in $elapsed s (seed $seed): kills $made_kills, terms $made_terms, hups $made_hups"
echo "kills landed in phase: $(tally landed)"
echo "kills landed with a window up: $(tally windows)"
echo "restarts where the files agreed: $agreed/$total ($(percent "$agreed" "$total"))" \
    "(the last record's credits checked in the $credits_checked whose last change was a spin)"
echo "spins shown before the end and missing after the restart: $shown_lost" \
    "(of $shown_checked runs that showed a spin)"
echo "spins drawn before the end and missing after the restart: $drawn_lost" \
    "(of $drawn_checked runs that drew a spin)"
echo "spins undone from one restart to the next: $undone ($reset_runs runs with a new or opened" \
    "game not compared)"
echo "interrupted bonus games: $interrupted (card compared in $cards_checked), mismatches:" \
    "$bonus_mismatches"
echo "SIGTERM/SIGHUP runs that exited with status 0: $orderly_zero/$orderly" \
    "($(percent "$orderly_zero" "$orderly")); signals held until the handlers were in place:" \
    "$held_for_ready"
echo "restarts that left temporaries: $temporaries; restarts that found and swept some:" \
    "$found_temporaries; game files completed from their history: $completed"
echo "runs that ended before their signal: $ended_early"
if ((agreed == total && shown_lost == 0 && undone == 0 && bonus_mismatches == 0 &&
    orderly_zero == orderly && temporaries == 0 && ended_early == 0)); then
    exit 0
fi
echo "FAILED: see $failures" >&2
exit 1
