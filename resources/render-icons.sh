#!/usr/bin/env bash
# Renders the 32x32 PNG pictures from their SVG sources (the program loads the PNGs: Qt reads SVG
# only with the qt6-svg module, which Ravemo does without) and copies them into the manual.
# Needs ImageMagick. Run after editing an SVG; commit both the SVG and the PNG.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
convert="/usr/bin/convert"
[[ -x "$convert" ]] || convert="convert"
for name in ravemo save open; do
  # Drawn at 36 times the size and scaled down, for clean edges at 32x32.
  "$convert" -background none -density 2592 "$here/icons/$name.svg" -resize 32x32 \
    "PNG32:$here/icons/$name.png"
  cp "$here/icons/$name.png" "$here/../help/images/$name.png"
done
