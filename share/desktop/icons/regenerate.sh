#!/usr/bin/env bash
# Renders velmora.svg into the PNG sizes of the icon theme (velmora-<size>.png). Run after
# changing the SVG and commit the PNG files; the build only installs them. Needs rsvg-convert
# (Debian librsvg2-bin).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$here/velmora.svg" -o "$here/velmora-$size.png"
done
echo "Wrote velmora-{16,32,48,64,128,256}.png in $here"
