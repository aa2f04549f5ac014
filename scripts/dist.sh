#!/usr/bin/env bash
# Lays out the release folders a publisher ships from:
#   build/dist/windows/  quorvel.exe, language\, localversion.txt, the guide
#   build/dist/linux/    quorvel (GTK), language/, localversion.txt, the guide
# Both programs are release builds (no sanitizers), stripped.
#
#   scripts/dist.sh [windows|linux]   (both when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
which=${1:-both}
scripts/install-deps.sh

lay_out() {
  local folder=$1 program=$2 strip=$3 line_end=$4
  rm -rf "$folder"
  mkdir -p "$folder/language"
  "$strip" -o "$folder/$(basename "$program")" "$program"
  cp language/*.txt "$folder/language/"
  printf "Example Editor${line_end}100${line_end}%s${line_end}" \
    "http://127.0.0.1:8080/version.txt" >"$folder/localversion.txt"
  cp docs/publisher-guide.md "$folder/"
}

if [[ $which != linux ]]; then
  # The cross build of scripts/build-windows.sh is a release build. Windows
  # readers open the text files in Notepad: CR LF line ends there.
  scripts/build-windows.sh >/dev/null
  lay_out build/dist/windows build-win/quorvel.exe x86_64-w64-mingw32-strip \
    '\r\n'
  ls -l build/dist/windows
fi
if [[ $which != windows ]]; then
  # A release build of its own, beside the sanitizer build of the tests.
  cmake -S . -B build-dist-linux -DCMAKE_BUILD_TYPE=Release \
    -DQUORVEL_TESTS=OFF >/dev/null
  cmake --build build-dist-linux -j"$(nproc)" --target quorvel >/dev/null
  lay_out build/dist/linux build-dist-linux/quorvel strip '\n'
  ls -l build/dist/linux
fi
