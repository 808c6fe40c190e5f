#!/usr/bin/env bash
# Renders the program icon's PNG sizes from data/desktop/lexovita.svg
# (needs rsvg-convert from librsvg2-bin). Run after changing the SVG and
# commit the PNGs with it.
set -euo pipefail
cd "$(dirname "$0")/../data/desktop"
for groesse in 48 128 256; do
  rsvg-convert -w "$groesse" -h "$groesse" lexovita.svg -o "lexovita-$groesse.png"
done
