#!/usr/bin/env bash
# The demo: build, then lay out a demo folder with the language files and a
# local version file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p demo/language
cp language/*.txt demo/language/ 2>/dev/null || true
printf 'Quorvel Demo\n100\nhttp://127.0.0.1:8731/version.txt\n' > demo/localversion.txt
echo "Built into build/; demo folder laid out in demo/."
