#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Puts the copyright and licence lines at the top of every source file that lacks them: `//`
# lines in the C++ files of src/, tests/, bench/, tools/ and assets/tools/, `#` lines in every
# CMakeLists.txt, .cmake and .sh file, after a script's #! line. Running it again changes nothing.
# usage: scripts/spdx.sh [TREE]    (this repository by default)
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

# label FILE MARK: the two lines, commented with MARK, unless the file's first lines have them.
label() {
    local file=$1 mark=$2 skip=0 new
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier:' && return 0
    head -n 1 "$file" | grep -q '^#!' && skip=1
    new=$(mktemp "$file.XXXXXX")
    {
        head -n "$skip" "$file"
        printf '%s SPDX-FileCopyrightText: 2026 Quillane developers\n' "$mark"
        printf '%s SPDX-License-Identifier: GPL-3.0-or-later\n\n' "$mark"
        tail -n "+$((skip + 1))" "$file"
    } >"$new"
    chmod --reference="$file" "$new"
    mv "$new" "$file"
}

# Build trees and hidden folders hold no sources of ours.
sources() {
    find "$@" -type d \( -name 'build*' -o -name '.?*' \) -prune -o -type f \( "${names[@]}" \) -print0
}

names=(-name '*.h' -o -name '*.cpp')
sources src tests bench tools assets/tools | while IFS= read -r -d '' file; do
    label "$file" //
done
names=(-name CMakeLists.txt -o -name '*.cmake' -o -name '*.sh')
sources . | while IFS= read -r -d '' file; do
    label "$file" '#'
done
