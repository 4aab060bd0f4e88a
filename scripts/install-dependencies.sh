#!/usr/bin/env bash
# Installs what building, testing and running need on a fresh Debian machine (run as root).
set -euo pipefail
packages=(
  build-essential cmake ninja-build clang libclang-rt-14-dev
  googletest libbenchmark-dev libcli11-dev nlohmann-json3-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64
)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
