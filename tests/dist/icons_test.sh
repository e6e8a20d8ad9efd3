#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop icon's pictures are what tools/make_icons.sh renders from the
# drawing today (a drawing changed without rendering them again fails), and
# the drawing holds no text.
# usage: icons_test.sh SOURCE_DIR
set -u
source_dir=$1
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (librsvg2-bin): skipped"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
sh "$source_dir/tools/make_icons.sh" "$scratch" || { echo "FAIL: make_icons.sh"; exit 1; }
status=0
for png in "$scratch"/*.png; do
  cmp -s "$png" "$source_dir/assets/$(basename "$png")" ||
    { echo "FAIL: assets/$(basename "$png") is not what the drawing renders"; status=1; }
done
for svg in app_icon.svg app_icon_symbolic.svg; do
  grep -q '<text' "$source_dir/assets/$svg" && { echo "FAIL: $svg holds text"; status=1; }
done
[ "$status" -eq 0 ] && echo "icons checked"
exit "$status"
