#!/usr/bin/env bash
# Installs what is needed, builds and runs every test: the normal build, then the whole suite
# again under ASan + UBSan with the fuzz targets. Name presets to run only those.
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(default sanitize)
scripts/install-deps.sh
for preset in "${presets[@]}"; do
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
