#!/usr/bin/env bash
# Install what is missing, build the game and its art, and play.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build/game
exec ./meadow_mosaics
