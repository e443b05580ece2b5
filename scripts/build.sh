#!/usr/bin/env bash
# Configures and builds one preset (default: "default"; "sanitize" for ASan + UBSan + fuzzers).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
