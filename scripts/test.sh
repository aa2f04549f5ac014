#!/usr/bin/env bash
# The whole test run: install what is missing, build with sanitizers, run
# ctest, then the further steps in scripts/test-steps/ in name order.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
(cd build && ctest --output-on-failure -j2 --timeout 300)
for step in scripts/test-steps/*.sh; do
  [[ -e "$step" ]] || continue
  echo "== $step"
  bash "$step"
done
