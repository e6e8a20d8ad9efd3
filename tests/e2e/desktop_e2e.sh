#!/bin/bash
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
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
# ImageMagick itself, not a stand-in found earlier on the PATH.
import_cmd=/usr/bin/import
convert_cmd=/usr/bin/convert
[ -x "$import_cmd" ] && [ -x "$convert_cmd" ] || { echo "SKIP: ImageMagick is missing"; exit 77; }

scratch=$(mktemp -d)
shots=${2:-$scratch/shots}
mkdir -p "$shots"
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
# A failure after which nothing more can be checked.
die() {
  echo "FAIL: $*; program output:"
  cat "$scratch/program.log"
  exit 1
}

# Xvfb picks a free display itself and reports its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" \
  >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=:$(head -n1 "$scratch/display")
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "SKIP: Xvfb did not answer"; exit 77; }

mkdir -p "$scratch/work" "$scratch/runtime"
chmod 700 "$scratch/runtime"
(cd "$scratch/work" && XDG_RUNTIME_DIR="$scratch/runtime" exec "$program") \
  >"$scratch/program.log" 2>&1 &
app_pid=$!

# The id of the first window titled exactly $1, waiting for it to appear.
window_named() {
  local id
  for _ in $(seq 150); do
    id=$(xdotool search --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until window $1 has the size $2 (WIDTHxHEIGHT); prints the last size.
size_of() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "${WIDTH}x${HEIGHT}"
}
expect_size() {
  local got
  for _ in $(seq 50); do
    got=$(size_of "$1")
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$3: window is $got, expected $2"
}

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

main=$(window_named Brelvox) || die "no main window"
sleep 0.3
expect_size "$main" 603x49 "at start"
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
