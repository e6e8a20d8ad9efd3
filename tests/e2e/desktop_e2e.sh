#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real desktop program on a private X server: New, Start, a mark,
# pause and resume, a chord and the info dialog, checking window sizes and
# screenshot pixels along the way.
#
#   desktop_e2e.sh PATH/TO/brelvox [SHOT_DIR]
#
# Exits 77 (skipped) when Xvfb, xdotool or ImageMagick is missing. With
# SHOT_DIR the screenshots are kept there.
set -u

program=${1:?usage: desktop_e2e.sh PATH/TO/brelvox [SHOT_DIR]}
program=$(realpath "$program")
# ImageMagick itself, not a stand-in found earlier on the PATH.
import_cmd=/usr/bin/import
convert_cmd=/usr/bin/convert
[ -x "$import_cmd" ] && [ -x "$convert_cmd" ] || { echo "SKIP: ImageMagick is missing"; exit 77; }

. "$(dirname "$0")/x_session.sh"
shots=${2:-$scratch/shots}
mkdir -p "$shots"

# Position of window $1 as "X Y".
position_of() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$X $Y"
}

shot() {
  sleep 0.3
  "$import_cmd" -window root "$shots/$1.png"
}

# Hex colours (RRGGBB) of the screenshot $1 at the points "x,y" that follow.
pixels() {
  local file=$shots/$1.png format= point
  shift
  for point in "$@"; do format+="%[hex:p{$point}] "; done
  "$convert_cmd" "$file" -format "$format" info:
}

click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

start_program "$program"
sleep 0.3
expect_size "$main" 603x49 "at start"
# The window icon comes just after the first frame, at every size it has.
icons=$(xprop -id "$main" _NET_WM_ICON | grep -c 'Icon (')
[ "$icons" -ge 5 ] || fail "the main window carries $icons icon sizes, expected 5"
# With no window manager the main window sits at the top-left corner.
read -r mx my < <(position_of "$main")
shot start
read -r clock hint < <(pixels start "$((mx + 441 + 2)),$((my + 8 + 2))" "$((mx + 408)),$((my + 8))")
[ "$clock" = 000000 ] || fail "clock panel is $clock, expected black"
[ "$hint" = 808080 ] || fail "hint counter's bevel is $hint, expected grey"

# New: the level chooser; Start takes the first level, easy.
click $((mx + 44)) $((my + 24))
chooser=$(window_named "choose a level") || die "no level chooser"
sleep 0.3
expect_size "$chooser" 375x184 "level chooser"
read -r cx cy < <(position_of "$chooser")
shot chooser
click $((cx + 236)) $((cy + 152))
expect_size "$main" 603x564 "easy game at cell size 64"
shot easy

# The board: 8 x 8 cells of 64 pixels from y = 49. A cell's pixel one in
# from its top-left corner is its face: C0C0C0 covered or marked, D0D0D0 open.
cell_faces() {
  local points=() col row
  for row in $(seq 0 7); do
    for col in $(seq 0 7); do points+=("$((mx + col * 64 + 1)),$((my + 49 + row * 64 + 1))"); done
  done
  pixels "$1" "${points[@]}"
}
read -r -a faces < <(cell_faces easy)
[ "${#faces[@]}" = 64 ] || fail "could not read the board"
open=0 covered=-1
for i in "${!faces[@]}"; do
  [ "${faces[$i]}" = D0D0D0 ] && open=$((open + 1))
  [ "${faces[$i]}" = C0C0C0 ] && [ "$covered" = -1 ] && covered=$i
done
[ "$open" -gt 0 ] || fail "the opening move uncovered nothing"
[ "$covered" -ge 0 ] || fail "no covered cell left after the opening move"
ccol=$((covered % 8)) crow=$((covered / 8))
centre_x=$((mx + ccol * 64 + 32)) centre_y=$((my + 49 + crow * 64 + 32))

# A right click marks the covered cell: its centre shows the mark picture.
click "$centre_x" "$centre_y" 3
shot marked
read -r centre corner < <(pixels marked "$centre_x,$centre_y" "$((centre_x - 31)),$((centre_y - 31))")
[ "$centre" != C0C0C0 ] || fail "the marked cell shows no picture"
[ "$corner" = C0C0C0 ] || fail "the marked cell lost its raised face ($corner)"

# Pause shrinks the window to the toolbar and a one-pixel strip; Play restores it.
click $((mx + 284)) $((my + 24))
expect_size "$main" 603x50 "paused"
shot paused
click $((mx + 284)) $((my + 24))
expect_size "$main" 603x564 "resumed"

# A chord on the marked cell: every neighbour is uncovered (a mine among them
# loses the game, and the lost board shows the neighbours open as well).
xdotool mousemove "$centre_x" "$centre_y" mousedown 1 mousedown 3 sleep 0.1 mouseup 3 mouseup 1
# A chord that wins asks for a name and shows the table: answer both.
sleep 0.5
prompt=$(xdotool search --name '^New highscore!$' 2>/dev/null | head -n1)
if [ -n "$prompt" ]; then
  xdotool key Return
  table=$(window_named Highscore) && {
    read -r tx ty < <(position_of "$table")
    click $((tx + 263)) $((ty + 199))
  }
fi
shot chord
read -r -a faces < <(cell_faces chord)
for dy in -1 0 1; do
  for dx in -1 0 1; do
    c=$((ccol + dx)) r=$((crow + dy))
    [ "$dx$dy" = 00 ] && continue
    [ $c -ge 0 ] && [ $c -lt 8 ] && [ $r -ge 0 ] && [ $r -lt 8 ] || continue
    [ "${faces[$((r * 8 + c))]}" = D0D0D0 ] || fail "neighbour $c,$r still covered after the chord"
  done
done

# Info: the dialog opens folded; Back closes it.
click $((mx + 204)) $((my + 24))
info=$(window_named Info) || fail "no info dialog"
if [ -n "${info:-}" ]; then
  expect_size "$info" 330x245 "info dialog"
  shot info
  read -r ix iy < <(position_of "$info")
  click $((ix + 51)) $((iy + 218))
  sleep 0.3
  expect_size "$main" 603x564 "after the info dialog"
fi

kill -0 "$app_pid" 2>/dev/null || fail "the program ended by itself"
if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; program output:"
  cat "$scratch/program.log"
  exit 1
fi
echo "desktop end-to-end run passed"
