#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package build/quillane_<version>_<arch>.deb: the game under /usr, with the
# packages it depends on worked out from the libraries it links. Install it with
#   apt install ./build/quillane_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && cpack -G DEB)
ls build/quillane_*.deb
