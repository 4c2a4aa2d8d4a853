#!/bin/sh
# Sets everything up on a fresh Debian 12 machine, builds, and runs every test.
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
