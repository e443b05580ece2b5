#!/usr/bin/env bash
# Installs the Debian 12 packages Quorvel needs to build, test and run; with "run", only what
# building and running the window needs. Idempotent: apt-get runs only when something is missing.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins qt6-translations-l10n
  qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libfontconfig-dev
)
if [ "${1:-}" != run ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    xvfb xauth openbox imagemagick desktop-file-utils time
    dpkg-dev lintian appstream clang-format-14 valgrind
  )
fi
"$(dirname "$0")/apt-install.sh" "${packages[@]}"
