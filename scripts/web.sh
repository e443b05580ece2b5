#!/usr/bin/env bash
# Builds the web page (the "web" preset) and serves it on http://localhost:PORT/ (default 8080).
# The folder build/web/page/ is the whole site: copy it to any static host to publish it.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
scripts/install-web-deps.sh
cmake --preset web
cmake --build --preset web -j 2
echo "Quorvel: http://localhost:$port/"
exec python3 -m http.server --bind 127.0.0.1 --directory build/web/page "$port"
