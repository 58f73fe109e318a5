#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# quillane --help, --version and a wrong option with no display: each answers at once, on its
# stream and with its status, and leaves no settings or game file behind. Without a display the
# game itself says so in one line and ends with status 1.
# usage: command_line_test.sh QUILLANE VERSION
set -euo pipefail
quillane=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
    XDG_RUNTIME_DIR="$work/home/run"
mkdir "$HOME"

# Runs the game with the arguments given; sets $status, $out and $err.
run() {
    status=0
    timeout 10 "$quillane" "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

run --help
[ "$status" -eq 0 ] || fail "--help: status $status: $err"
[[ "$out" == "usage: quillane "* ]] || fail "--help printed: $out"
[ -z "$err" ] || fail "--help wrote to standard error: $err"

run --version
[ "$status" -eq 0 ] && [ "$out" = "quillane $version" ] && [ -z "$err" ] ||
    fail "--version: status $status, printed '$out', error '$err'"

# What is printed must arrive: a full disc says so with status 1, a pipe takes it all.
for option in --help --version; do
    status=0
    timeout 10 "$quillane" "$option" >/dev/full 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && [[ "$(cat "$work/err")" == "quillane: cannot write the output: "?* ]] ||
        fail "$option to a full disc: status $status, error '$(cat "$work/err")'"
    status=0
    piped=$(timeout 10 "$quillane" "$option" 2>"$work/err" | cat) || status=$?
    [ "$status" -eq 0 ] && [ -n "$piped" ] && [ ! -s "$work/err" ] ||
        fail "$option to a pipe: status $status, error '$(cat "$work/err")'"
done

for wrong in --bogus -x stray -platform; do
    run "$wrong"
    [ "$status" -eq 2 ] || fail "$wrong: status $status"
    [ -z "$out" ] || fail "$wrong printed on standard output: $out"
    [ "$(wc -l <"$work/err")" -eq 1 ] && [[ "$err" == "quillane: "*"$wrong"* ]] ||
        fail "$wrong: the error is not one line naming it: $err"
done

# An X display number nothing answers on.
nothing=99
while [ -e "/tmp/.X11-unix/X$nothing" ] || [ -e "/tmp/.X$nothing-lock" ]; do nothing=$((nothing + 1)); done
for display in "" ":$nothing"; do
    for platform in "" xcb; do
        DISPLAY=$display QT_QPA_PLATFORM=$platform run
        what="DISPLAY '$display', QT_QPA_PLATFORM '$platform'"
        [ "$status" -eq 1 ] || fail "$what: status $status: $err"
        [ -z "$out" ] || fail "$what printed on standard output: $out"
        [ "$(wc -l <"$work/err")" -eq 1 ] && [[ "$err" == "quillane: cannot open a display: "?* ]] ||
            fail "$what: the error is not one line: $err"
    done
done

[ -z "$(ls -A "$HOME")" ] || fail "files were left in the home directory: $(find "$HOME")"
echo "command line passed"
