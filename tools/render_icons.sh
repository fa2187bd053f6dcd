#!/usr/bin/env bash
# Renders the program icon's PNG sizes from its SVG (run after changing the SVG; the PNGs are
# checked in, so that building needs no SVG renderer).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (apt-get install librsvg2-bin)" >&2; exit 2; }
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" ravnelok.svg -o "ravnelok-$size.png"
done
