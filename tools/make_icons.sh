#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon's pictures from its drawing, byte for byte the
# same on every run: assets/app_icon.svg -> assets/app_icon_SIZE.png.
# usage: sh tools/make_icons.sh [OUTPUT_DIR]   (rsvg-convert: librsvg2-bin)
set -e
here=$(dirname "$0")/..
out=${1:-$here/assets}
for size in 16 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$out/app_icon_$size.png" "$here/assets/app_icon.svg"
done
