#!/usr/bin/env bash
# Renders the PNG icons from velkaro.svg (ImageMagick); the PNGs are committed, so the build needs no renderer.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
for size in 48 256; do
  convert -background none velkaro.svg -resize "${size}x${size}" -depth 8 -strip "velkaro-${size}.png"
done
