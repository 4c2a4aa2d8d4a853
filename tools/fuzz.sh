#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for the given time.
#
#   tools/fuzz.sh [seconds-per-target] [target...]     (default 60 s, all targets)
#
# New inputs go to build-fuzz/corpus/<target>; a crash leaves its input in
# build-fuzz/crashes/<target>/. Keep a crashing input as a regression test by
# copying it to tests/fuzz/regressions/<target>/ once it is fixed.
set -eu
seconds=${1:-60}
[ $# -gt 0 ] && shift
cd "$(dirname "$0")/.."
./tools/install-deps.sh --with-sanitizers
targets=${*:-"catalogue farewell"}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DTANVOREL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
status=0
for t in $targets; do
  cmake --build build-fuzz --target "fuzz_$t" -j"$(nproc)" >/dev/null || { echo "no fuzz target $t"; continue; }
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t"
  echo "fuzzing $t for $seconds s"
  if ! "build-fuzz/bin/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -max_len=65536 \
        -artifact_prefix="build-fuzz/crashes/$t/" "build-fuzz/corpus/$t" "tests/fuzz/corpus/$t" \
        2>"build-fuzz/$t.log"; then
    status=1
    echo "  $t: FOUND A CRASH, see build-fuzz/$t.log and build-fuzz/crashes/$t/"
  fi
  grep -E 'stat::number_of_executed_units|cov:' "build-fuzz/$t.log" | tail -2 | sed 's/^/  /'
done
exit $status
