#!/usr/bin/env bash
# Installs what is needed, builds and runs every test: the normal build, then the whole suite
# again under ASan + UBSan with the fuzz targets, then the web build (the e2e scripts through its
# Node runner, and the page in Chromium). Name presets to run only those.
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(default sanitize web)
scripts/install-deps.sh
# The sources as clang-format writes them (.clang-format); a difference fails here.
scripts/check-format.sh
[[ " ${presets[*]} " == *" web "* ]] && scripts/install-web-deps.sh
for preset in "${presets[@]}"; do
  scripts/build.sh "$preset"
  ctest --preset "$preset" -j "$(nproc)"
done
