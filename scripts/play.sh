#!/usr/bin/env bash
# Installs, configures, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
exec build/src/app/quillane "$@"
