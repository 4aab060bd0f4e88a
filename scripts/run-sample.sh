#!/usr/bin/env bash
# Builds the native tree and prints the embedded sample job through the plug-ins, showing the
# job ticket on stderr and writing the spooled stream to build/sample-job.prn.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
cmake --preset native
cmake --build --preset native
build/native/bin/kvhost print -o build/sample-job.prn --show-ticket
echo "Spooled stream written to build/sample-job.prn ($(stat -c %s build/sample-job.prn) bytes)"
