#!/usr/bin/env bash
# Renders the program's icon (packaging/io.github.tesmar.Tesmar.svg) into the
# PNG sizes the window's title bar and task bar use, so the window shows the
# same picture as the desktop menu, crisp at any scale. Run it after editing
# the SVG, then commit the PNGs.   Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=packaging/io.github.tesmar.Tesmar.svg
command -v rsvg-convert >/dev/null || { echo "icons.sh needs rsvg-convert (Debian package librsvg2-bin)" >&2; exit 1; }
for size in 16 24 32 48 64 96 128 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "resources/icons/tesmar-$size.png"
done
