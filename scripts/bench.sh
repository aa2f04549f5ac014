#!/usr/bin/env bash
# The benchmark: builds a Release tree without sanitizers in build-bench/ and
# runs quorvel-bench, which times the HTTP download against curl on loopback.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_SANITIZE=OFF \
  -DQUORVEL_BENCH=ON -DQUORVEL_TESTS=OFF -DQUORVEL_GTK=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target quorvel-bench quorvel-fetch
build-bench/bench/quorvel-bench
