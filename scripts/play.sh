#!/usr/bin/env bash
# Installs, configures, builds and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/quillane ]; then
    exec build/src/app/quillane "$@"
fi
# Without the window (a build without Qt), play a million spins in the simulator.
exec build/src/sim/quillane-sim --spins 1000000 "$@"
