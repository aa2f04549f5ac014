#!/usr/bin/env bash
# A short run of every fuzz target, so that a regression in a parser that a
# target can reach shows up in the test run.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash scripts/fuzz.sh 20
