#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz/) with clang-14 into build-fuzz/ and
# runs each for a fixed time, two at a time.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target, 60 by default; TARGETs by name (line_reading, ...), all
# by default. Each run starts from the target's seed corpus in
# tests/fuzz/corpus/<target>/ and keeps what it finds in build-fuzz/corpus/.
# An input that breaks a target is left in build-fuzz/crashes/ and fails the
# script; the log of each run is in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
jobs=${FUZZ_JOBS:-2}

scripts/install-deps.sh
CC=clang-14 CXX=clang++-14 cmake -S tests/fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j"$(nproc)"

if [[ $# -gt 0 ]]; then
  targets=("$@")
else
  targets=()
  for program in build-fuzz/fuzz_*; do
    targets+=("${program#build-fuzz/fuzz_}")
  done
fi
mkdir -p build-fuzz/crashes build-fuzz/logs

# Inputs longer than the default: the line reader's file buffer and the
# answer head's pieces are worth crossing.
max_len_of() {
  case "$1" in
    line_reading) echo 20000 ;;
    answer_head | body_decoder) echo 16384 ;;
    *) echo 4096 ;;
  esac
}

run_target() {
  local name=$1
  mkdir -p "build-fuzz/corpus/$name"
  "build-fuzz/fuzz_$name" -max_total_time="$seconds" \
    -max_len="$(max_len_of "$name")" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/crashes/$name-" \
    "build-fuzz/corpus/$name" "tests/fuzz/corpus/$name" \
    >"build-fuzz/logs/$name.log" 2>&1
}

export -f run_target max_len_of
export seconds
failed=0
printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_target {}' ||
  failed=1

# One line per target: executions and the coverage reached.
for name in "${targets[@]}"; do
  log="build-fuzz/logs/$name.log"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 || true)
  printf '%-14s %10s runs  %s\n' "$name" "${runs:-?}" "${cov:-?}"
  if [[ -z "$runs" ]] ||
    grep -q 'ERROR: libFuzzer\|SUMMARY: .*Sanitizer\|invariant broken' "$log"; then
    echo "  $name failed: see $log" >&2
    failed=1
  fi
done
exit $failed
