#!/bin/sh
# Renders the PNG icons from quorvel.svg. Run after changing the SVG; the PNGs are committed.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" quorvel.svg -o "icons/quorvel-$size.png"
done
