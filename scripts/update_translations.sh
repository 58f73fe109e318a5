#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Brings translations/*.ts up to date with the texts in src/: new texts come in unfinished, texts
# gone from the sources are dropped, and the pseudo-language en_XA is made afresh from the English.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
for language in de fr es it pt_BR en_XA; do
    "$lupdate" -silent -no-obsolete -locations none -source-language en \
        -target-language "$language" src -ts "translations/quillane_$language.ts"
done
python3 scripts/pseudo_translation.py translations/quillane_en_XA.ts
# Once more through lupdate, so that the file is laid out as lupdate lays it out.
"$lupdate" -silent -no-obsolete -locations none -source-language en -target-language en_XA \
    src -ts translations/quillane_en_XA.ts
