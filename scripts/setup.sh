#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the game, its tests and its tools need, when any is missing.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    qt6-base-dev
    # The X window's own background, painted before the game repaints a resized window.
    libxcb1-dev
    libsdl2-mixer-dev timgm6mb-soundfont
    # Music tracks rendered once with FluidSynth and kept as Ogg Vorbis files.
    libfluidsynth-dev libsndfile1-dev
    libjpeg62-turbo-dev
    fonts-dejavu-core fonts-dejavu-extra
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool imagemagick openbox wmctrl x11-utils
    clang libclang-rt-14-dev
    # quillane-art writes the SVG icon through Qt SVG.
    qt6-svg-dev
    # The installed game: its metadata checked, its Debian package made and installed, and
    # Wayland, where it runs as a client of Weston.
    desktop-file-utils appstream man-db dpkg-dev file xz-utils
    qt6-wayland weston
    # The translations: lupdate and lrelease, CMake's macros for them, and Qt's own catalogues.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # The accessibility bus, read by the end-to-end test as a screen reader reads it.
    dbus at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them as root: apt-get install ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
