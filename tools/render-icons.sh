#!/usr/bin/env bash
# Renders the program's icon (dist/icons/pantrix.svg) into the PNG sizes the desktop's
# icon theme uses. Run after changing the SVG; the PNGs are kept in the repository.
set -euo pipefail
cd "$(dirname "$0")/../dist/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" pantrix.svg -o "pantrix-$size.png"
done
