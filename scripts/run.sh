#!/usr/bin/env bash
# Installs what building and running the window needs, builds the program alone (no tests,
# benchmarks or fuzz targets) and starts Quorvel. scripts/test.sh builds and runs everything.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake --preset run
cmake --build --preset run -j "$(nproc)"
exec build/run/bin/quorvel "$@"
