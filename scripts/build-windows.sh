#!/usr/bin/env bash
# Cross-builds the Windows program and its unit tests with MinGW-w64:
#   build-win/quorvel.exe, build-win/tests/*/*.exe
# libpng is built for the target from Debian's own source package into
# build-win-deps/ (never into the repository); zlib comes from Debian's
# libz-mingw-w64-dev. Run scripts/install-deps.sh first (make test does).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
deps=$root/build-win-deps
prefix=$deps/libpng
toolchain=$root/cmake/mingw-w64.cmake

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

# apt-get source needs a deb-src entry; add one beside Debian's own sources.
ensure_source_index() {
  if apt-get source --print-uris -qq libpng1.6 >/dev/null 2>&1; then
    return
  fi
  echo "Adding a deb-src entry for Debian's package sources"
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      $sudo tee /etc/apt/sources.list.d/quorvel-deb-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      $sudo tee /etc/apt/sources.list.d/quorvel-deb-src.list >/dev/null
  fi
  $sudo apt-get update -q >/dev/null
}

# Fetches and unpacks libpng's source package; a version whose files the
# archive no longer holds is skipped for the next one it lists.
fetch_libpng_source() {
  ensure_source_index
  rm -rf "$deps/src" && mkdir -p "$deps/src"
  local version
  for version in $(apt-cache showsrc libpng1.6 | sed -n 's/^Version: //p' |
                   sort -rV); do
    if (cd "$deps/src" && apt-get source -qq "libpng1.6=$version" \
          >/dev/null 2>&1); then
      return
    fi
    rm -rf "$deps/src" && mkdir -p "$deps/src"
  done
  echo "apt-get source libpng1.6 failed for every listed version" >&2
  exit 1
}

build_libpng() {
  [[ -f $prefix/lib/libpng16.a ]] && return
  fetch_libpng_source
  local source
  source=$(find "$deps/src" -mindepth 1 -maxdepth 1 -type d -name 'libpng*')
  cmake -S "$source" -B "$deps/libpng-build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
  cmake --build "$deps/libpng-build" -j"$(nproc)" >/dev/null
  cmake --install "$deps/libpng-build" >/dev/null
}

build_libpng
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQUORVEL_TARGET_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DQUORVEL_GTK=OFF >/dev/null
cmake --build build-win -j"$(nproc)"
