#!/bin/sh
# Runs the monkey at the table for as many matches as asked, on both cores,
# and prints matches played, events injected, invariants checked and failures.
#
#   tools/monkey.sh [matches] [first-seed] [build-dir]
#
# A failure prints its seed and the events that led to it; replay it with
#   TANVOREL_MONKEY_SEED=<seed> TANVOREL_MONKEY_MATCHES=1 <build-dir>/bin/robustness_tests
set -eu
matches=${1:-2000}
first=${2:-1}
build=${3:-build}
cd "$(dirname "$0")/.."
[ -x "$build/bin/robustness_tests" ] || { echo "build first: $build/bin/robustness_tests is missing" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.*=false"
jobs=$(nproc)
per=$(( (matches + jobs - 1) / jobs ))
out=$(mktemp -d)
i=0
while [ $i -lt "$jobs" ]; do
  seed=$(( first + i * per ))
  count=$per
  [ $(( i * per + count )) -gt "$matches" ] && count=$(( matches - i * per ))
  if [ "$count" -gt 0 ]; then
    TANVOREL_MONKEY_SEED=$seed TANVOREL_MONKEY_MATCHES=$count \
      "$build/bin/robustness_tests" --gtest_filter='Monkey.*' >"$out/$i.log" 2>&1 &
  fi
  i=$(( i + 1 ))
done
wait || true
cat "$out"/*.log | grep -E '^monkey seed|^    ' || true
status=0
cat "$out"/*.log | grep '^monkey: ' | awk '
  { for (i = 1; i <= NF; i++) { if ($i == "played") m += $(i+1); if ($i == "injected") e += $(i+1);
                                 if ($i == "checked") c += $(i+1); if ($i == "failures") f += $(i+1) } }
  END { printf "matches played %d, events injected %d, invariants checked %d, failures %d\n", m, e, c, f;
        exit (f > 0) }' || status=1
rm -rf "$out"
exit $status
