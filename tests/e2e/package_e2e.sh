#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package made by CPack from this build: its control fields and files as dpkg-deb shows
# them, installable by apt on this machine, and installed by dpkg into a throw-away root, from where
# the game answers --version, starts without a word of complaint and quits.
# usage: package_e2e.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$(realpath "$1")
id=$2
version=$3
work=$(mktemp -d)
source "$(dirname "$0")/lib.sh"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 20 "$work/cpack.log")"
deb=$(ls "$work"/out/quillane_"$version"_*.deb)

dpkg-deb --info "$deb" >"$work/info"
field() { sed -n "s/^ $1: //p" "$work/info"; }
[ "$(field Package)" = quillane ] && [ "$(field Version)" = "$version" ] &&
    [ "$(field Section)" = games ] && [[ "$(field Maintainer)" == *"<"*@*">" ]] &&
    [ -n "$(field Description)" ] || fail "the control fields: $(cat "$work/info")"
depends=$(field Depends)
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libsdl2-mixer-2.0-0 libjpeg62-turbo \
    qt6-wayland libfluidsynth3 timgm6mb-soundfont fonts-dejavu-core fonts-dejavu-extra; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

dpkg-deb --contents "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$work/contents"
grep -v '^/usr/' "$work/contents" && fail "files outside /usr"
expected=(/usr/games/quillane /usr/games/quillane-sim
    "/usr/share/applications/$id.desktop" "/usr/share/metainfo/$id.metainfo.xml"
    "/usr/share/icons/hicolor/scalable/apps/$id.svg"
    /usr/share/man/man6/quillane.6.gz /usr/share/man/man6/quillane-sim.6.gz
    /usr/share/doc/quillane/quillane.html /usr/share/quillane/quillane.html
    /usr/share/doc/quillane/copyright /usr/share/doc/quillane/changelog.gz)
for size in 16 22 24 32 48 64 128 256 512; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in Bingo0.wav Bingo3.wav Bingo5.wav Bingo7.wav BingoWin.wav Bingo0.mid Bingo98.jpg background_3x_de.jpg; do
    expected+=("/usr/share/quillane/$file")
done
for path in "${expected[@]}"; do
    grep -qx "$path" "$work/contents" || fail "the package lacks $path"
done

apt-get install --simulate "$deb" >"$work/apt.log" 2>&1 ||
    fail "apt would not install it: $(tail -n 20 "$work/apt.log")"

# The throw-away root has no packages; the game's libraries are this machine's own.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 ||
    fail "dpkg --root: $(tail -n 20 "$work/dpkg.log")"
dpkg --root="$root" -s quillane | grep -qx 'Status: install ok installed' || fail "not installed"
quillane="$root/usr/games/quillane"
[ "$("$quillane" --version)" = "quillane $version" ] || fail "--version from the package"

export HOME="$work/home" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME"
start_display 1024x768
start_game
sleep 1
boxes=$(xdotool search --onlyvisible --name '^Quillane$' | wc -l)
[ "$boxes" -eq 1 ] || fail "$boxes windows captioned Quillane: the game complained: $(cat "$work/game.log")"
exit_game
wait "$game" || fail "the game exited with status $?"
echo "package e2e passed"
