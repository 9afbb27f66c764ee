#!/usr/bin/env bash
# Draws the product picture of the about box, src/help/res/product.jpg, with ImageMagick.
# The program decodes it with libjpeg and stretches it into the about box's 65 x 57 image,
# so it is drawn at twice that size for a smooth result.
set -euo pipefail
cd "$(dirname "$0")/.."
convert -size 130x114 gradient:'#3a78c9'-'#0d2750' \
    -stroke '#9a6a08' -strokewidth 2 -fill '#e8ad2c' \
    -draw "roundrectangle 20,18 58,34 5,5" \
    -draw "roundrectangle 20,26 110,84 7,7" \
    -fill '#ffd45e' -stroke '#b7860f' \
    -draw "roundrectangle 16,38 114,84 7,7" \
    -fill none -stroke '#1f7a3a' -strokewidth 8 -draw "stroke-linejoin round stroke-linecap round polyline 44,60 58,74 88,46" \
    -stroke none -fill white -font DejaVu-Sans-Bold -pointsize 17 \
    -gravity south -annotate +0+6 'Tesvar' \
    -strip -sampling-factor 2x2 -quality 92 src/help/res/product.jpg
