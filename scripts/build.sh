#!/usr/bin/env bash
# Configures and builds the tree in build/ (sanitizers on: the same build
# serves the tests, the demo and build/quorvel-headless).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DQUORVEL_SANITIZE=ON >/dev/null
cmake --build build -j"$(nproc)"
