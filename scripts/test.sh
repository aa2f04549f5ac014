#!/usr/bin/env bash
# The whole test run: install what is missing, build with sanitizers, run
# ctest, then the further steps in scripts/test-steps/ in name order, and
# close with one line that adds up what passed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

log=build/test-run.log
: >"$log"
(cd build && ctest --output-on-failure -j2 --timeout 300) 2>&1 | tee -a "$log"
for step in scripts/test-steps/*.sh; do
  [[ -e "$step" ]] || continue
  echo "== $step"
  bash "$step" 2>&1 | tee -a "$log"
done

# Every runner above stops the run on its first failure, so reaching this
# line means nothing failed: count the ctest cases and the scenario lines.
ctest_cases=$(grep -oE 'tests passed, 0 tests failed out of [0-9]+' "$log" |
  awk '{total += $NF} END {print total + 0}')
scenarios=$(grep -cE '^PASS ' "$log" || true)
echo "summary: $((ctest_cases + scenarios)) passed, 0 failed"
