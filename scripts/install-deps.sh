#!/usr/bin/env bash
# Installs every Debian package the project needs (the lists in
# scripts/packages/), refreshing the package index first when anything is
# missing. Safe to run again: it installs only what is not there yet.
set -euo pipefail
cd "$(dirname "$0")/.."

wanted=$(cat scripts/packages/*.txt | sed 's/#.*//' | tr -s ' \n' '\n' | sed '/^$/d' | sort -u)
missing=()
for package in $wanted; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q \
  --no-install-recommends "${missing[@]}"
