#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour sanitizers) and
# runs each for a while: SECONDS per target (default 15). Inputs up to 16 KiB cover a whole
# record and a long document name.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
cmake --preset native-fuzz
cmake --build --preset native-fuzz
for target in fuzz_record_devmode fuzz_job_ticket fuzz_document_name; do
  echo "--- $target (${seconds} s)"
  corpus="build/native-fuzz/corpus/$target"
  mkdir -p "$corpus"
  "build/native-fuzz/bin/$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=0 "$corpus" 2>&1 | tail -n 2
done
