#!/usr/bin/env bash
# Scales the 32 x 32 icon up to the sizes desktops ask for, pixel for pixel
# (no smoothing), and packs the Windows icon. Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 32 48 64 128 256; do
    convert klopfomat.xpm -filter point -resize "${size}x${size}" "klopfomat-${size}.png"
done
convert klopfomat-32.png klopfomat-48.png klopfomat-256.png klopfomat.ico
