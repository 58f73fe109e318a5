#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What `cmake --install` lays out for the desktop: the entry, metainfo and icons named after the
# application id where desktops look for them, valid by Debian's own tools, the manual pages
# free of warnings and the manual among the documentation.
# usage: installed_files_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work" cmake --install "$build" --prefix /usr >"$work/install.log" ||
    fail "the staging install: $(cat "$work/install.log")"
share="$work/usr/share"

entry="$share/applications/$id.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
grep -qx "Exec=quillane" "$entry" && grep -qx "Icon=$id" "$entry" || fail "the entry's Exec or Icon"

metainfo="$share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"

for size in 16 22 24 32 48 64 128 256 512; do
    icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(identify -format '%wx%h' "$icon" 2>&1)" = "${size}x${size}" ] || fail "no $size-pixel $icon"
done
grep -q '<svg' "$share/icons/hicolor/scalable/apps/$id.svg" || fail "no scalable icon"

for page in quillane quillane-sim; do
    file="$share/man/man6/$page.6.gz"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) ||
        fail "man cannot show $file"
    [ -z "$warnings" ] || fail "$file: $warnings"
    LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$file" | grep -q "^NAME" || fail "$file has no NAME"
done
cmp -s "$share/doc/quillane/quillane.html" "$share/quillane/quillane.html" ||
    fail "the manual is not in share/doc/quillane"
echo "installed files passed"
