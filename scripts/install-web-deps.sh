#!/usr/bin/env bash
# Installs the Debian 12 packages the web build and its tests need: Emscripten (on clang 14), Node,
# Chromium and rsvg-convert (librsvg2-bin: the page's icons from the program's SVG), and the page tests' npm dev dependencies from web/package-lock.json. Idempotent:
# apt-get and npm run only when something is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(emscripten chromium librsvg2-bin)
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)
"$(dirname "$0")/apt-install.sh" "${packages[@]}"
# The browser tests drive the system's Chromium; puppeteer-core downloads no browser of its own.
if [ -f web/package-lock.json ] && [ ! -d web/node_modules/puppeteer-core ]; then
  (cd web && npm ci --no-audit --no-fund)
fi
