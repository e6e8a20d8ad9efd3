#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A 1920 x 1080 screen at device pixel ratio 2, which Qt sees as 960 x 540:
# each level's window fits it. With the factory sizes only the difficult level
# fits as it is; the others open at the largest cell size that fits (easy 57,
# standard 28, hard 19 instead of 64, 31, 21). Sizes are in device pixels,
# twice the client area (the outer size less the 6 x 24 of the frame).
#
#   screen_fit_e2e.sh PATH/TO/brelvox
set -u
program=$(realpath "${1:?usage: screen_fit_e2e.sh PROGRAM}")
xvfb_screen=1920x1080x24

. "$(dirname "$0")/x_session.sh"

export QT_SCALE_FACTOR=2
start_program "$program"
keys() { xdotool key --delay 20 "$@"; }

# The chooser keeps its selection: Enter starts easy, then each Down the next level.
expected=(1206x1016 1350x1000 1506x904 1206x1016)
for level in 0 1 2 3; do
  xdotool windowfocus --sync "$main"
  keys ctrl+n
  chooser=$(window_named "choose a level") || die "Ctrl+N opened no level chooser"
  xdotool windowfocus --sync "$chooser"
  [ "$level" -gt 0 ] && keys Down
  keys Return
  expect_size "$main" "${expected[$level]}" "level $level"
  eval "$(xdotool getwindowgeometry --shell "$main")"
  [ $((WIDTH + 12)) -le 1920 ] && [ $((HEIGHT + 48)) -lt 1080 ] ||
    fail "level $level: a ${WIDTH}x${HEIGHT} window does not fit 1920x1080"
done

# The saved sizes stay: a larger screen would get them back.
quit_by_keys || die "Ctrl+Q did not close the game"
sizes=$(tr -d '\r' <"$scratch/work/Brelvox.ini" | sed -n 2,5p | tr '\n' ' ')
[ "$sizes" = "64 31 25 21 " ] || fail "Brelvox.ini holds $sizes, expected the factory sizes"

[ "$failures" -eq 0 ] && echo "ok: every level fits 1920x1080 at ratio 2"
exit $((failures > 0))
