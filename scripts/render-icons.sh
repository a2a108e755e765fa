#!/usr/bin/env bash
# Draws the program icon's PNG sizes from its SVG (needs rsvg-convert: install-deps.sh --extra).
# The PNG files are committed; run this after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/../data/desktop/icons"
for size in 16 22 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}"
    rsvg-convert -w "$size" -h "$size" scalable/io.kinrow.Kinrow.svg -o "${size}x${size}/io.kinrow.Kinrow.png"
done
