#!/bin/sh
# Sets everything up on a fresh Debian 12 machine, builds, and runs every test.
#
#   tools/test.sh                 the normal build (build/), all tests, 100 monkey matches
#   tools/test.sh --sanitizers    everything built with AddressSanitizer and
#                                 UndefinedBehaviorSanitizer (build-asan/), all tests
set -eu
cd "$(dirname "$0")/.."
./tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.multimedia*=false"
if [ "${1:-}" = "--sanitizers" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTANVOREL_SANITIZE=ON -DTANVOREL_BENCH=OFF >/dev/null
  cmake --build build-asan -j"$(nproc)"
  cd build-asan
  # Sanitized code runs a few times slower: the monkey plays fewer matches here,
  # with seeds of its own.
  ASAN_OPTIONS=abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  TANVOREL_MONKEY_MATCHES=20 TANVOREL_MONKEY_SEED=5001 \
    ctest --output-on-failure -j"$(nproc)"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
  cd build
  ctest --output-on-failure -j"$(nproc)"
fi
