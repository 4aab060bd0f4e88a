#!/usr/bin/env bash
# Builds and tests every configuration: native, native with address and undefined-behaviour
# sanitizers, native with the thread sanitizer, the fuzz targets for a short run each, and
# windows (mingw-w64, tests run under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
jobs=$(nproc)
for preset in native native-asan native-tsan; do
  echo "=== $preset ==="
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
echo "=== fuzz targets ==="
bash scripts/fuzz.sh 15
echo "=== windows ==="
cmake --preset windows
cmake --build --preset windows -j "$jobs"
ctest --preset windows -j "$jobs"
