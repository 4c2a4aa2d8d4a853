#!/bin/sh
# Sets everything up on a fresh Debian 12 machine, builds, and opens the game.
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/bin/tanvorel ]; then
  exec build/bin/tanvorel
fi
# Until the window is built, play one demo match headless and show it.
exec build/bin/tanvorel-sim --seed "$(date +%s)"
