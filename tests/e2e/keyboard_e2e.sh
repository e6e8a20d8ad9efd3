#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays an easy game with the keyboard alone on a private X server: New and
# the level chooser by keys, then the board cursor over every cell, to a win
# (every mine marked, every other cell uncovered, the name typed into the
# prompt) or to a loss (a mine uncovered, after which Pause does nothing).
# The loss is played on a Russian layout alone, whose letter keys give no
# Latin letters, and holds keys down: a held key acts once.
# The mines are known from the driver given the same seed.
#
#   keyboard_e2e.sh win|lose PATH/TO/brelvox-seeded PATH/TO/brelvox-sim
set -u
ending=${1:?usage: keyboard_e2e.sh win|lose PROGRAM SIM}
program=$(realpath "${2:?}")
sim=$(realpath "${3:?}")
seed=20261208

. "$(dirname "$0")/x_session.sh"

# Where the mines lie: the content layer after New at the easy level.
mkdir -p "$scratch/sim"
mines=$(cd "$scratch/sim" && printf 'seed %s\nnew 0\ndump\n' "$seed" | "$sim" |
  awk '$1 == "content" { print $3 }')
[ "$(echo "$mines" | wc -l)" = 8 ] || die "the driver gave no easy board"

BRELVOX_TEST_SEED=$seed start_program "$program"
expect_size "$main" 603x49 "at start"
xdotool windowfocus --sync "$main"
keys() { xdotool key --delay 20 "$@"; }
# A key held down for $2 seconds; the server repeats it meanwhile.
hold() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# The letters by their places: with the Russian layout those keys give
# these Cyrillic letters, which xdotool finds on the very same keys.
new=ctrl+n pause=p hint=h mark=f quit=ctrl+q
if [ "$ending" = lose ]; then
  command -v setxkbmap >/dev/null || { echo "SKIP: setxkbmap is missing"; exit 77; }
  setxkbmap ru || die "no Russian layout"
  setxkbmap -query | grep -qx "layout: *ru" || die "the layout stayed $(setxkbmap -query)"
  new=ctrl+Cyrillic_te pause=Cyrillic_ze hint=Cyrillic_er mark=Cyrillic_a quit=ctrl+Cyrillic_shorti
fi

# New by Ctrl+N; the chooser opens on "easy" and Enter starts it.
keys $new
chooser=$(window_named "choose a level") || die "Ctrl+N opened no level chooser"
xdotool windowfocus --sync "$chooser"
keys Return
expect_size "$main" 603x564 "easy game"
xdotool windowfocus --sync "$main"

# A key for every cell, row by row from the top-left corner: the first
# arrow shows the cursor, Page Up and Home take it to (0, 0).
moves=(Left Prior Home)
target_mine=
for row in $(seq 0 7); do
  line=$(echo "$mines" | sed -n "$((row + 1))p")
  for col in $(seq 0 7); do
    if [ "${line:$col:1}" = "*" ]; then
      if [ "$ending" = lose ]; then
        target_mine="$col $row"
        break 2
      fi
      moves+=(f)
    else
      moves+=(space)
    fi
    [ "$col" -lt 7 ] && moves+=(Right)
  done
  moves+=(Down Home)
done

if [ "$ending" = win ]; then
  keys "${moves[@]}"
  prompt=$(window_named "New highscore!") || die "no name prompt after the last key"
  xdotool windowfocus --sync "$prompt"
  # Keys after the winning one may have reached the prompt: replace them.
  keys ctrl+a K e y s Return
  table=$(window_named Highscore) || die "no high-score table after the name"
  xdotool windowfocus --sync "$table"
  keys Escape
  for _ in $(seq 30); do
    xdotool search --name '^Highscore$' >/dev/null 2>&1 || break
    sleep 0.1
  done
  tr -d "\r" <"$scratch/work/Brelvox.hi" | grep -qx Keys ||
    fail "the name typed is not in Brelvox.hi: $(head -c 300 "$scratch/work/Brelvox.hi")"
else
  [ -n "$target_mine" ] || die "no mine on the board"
  # Up to the first mine: pause and resume work by P while the game runs.
  keys "${moves[@]}"
  keys $pause
  expect_size "$main" 603x50 "paused by P"
  keys $pause
  expect_size "$main" 603x564 "resumed by P"
  xdotool windowfocus --sync "$main"
  # F held marks the mine once, so Space leaves it and the game runs on;
  # H held gives one hint of the four, never "Too many hints...".
  hold $mark 2
  keys space
  hold $hint 3
  sleep 0.5
  xdotool search --all --onlyvisible --pid "$app_pid" --name '^Too many hints' >/dev/null &&
    fail "a held H took every hint"
  keys $pause
  expect_size "$main" 603x50 "paused after F and Space on the mine"
  keys $pause
  expect_size "$main" 603x564 "resumed"
  xdotool windowfocus --sync "$main"
  keys $mark space
  sleep 0.3
  # Lost: Pause is disabled, so P changes nothing.
  keys $pause
  sleep 0.3
  expect_size "$main" 603x564 "P after the loss"
  [ -e "$scratch/work/Brelvox.hi" ] && fail "a lost game wrote the score file"

  # A level that allows one hint: H held takes it once, the next H one more.
  keys $new
  chooser=$(window_named "choose a level") || die "Ctrl+N opened no level chooser"
  xdotool windowfocus --sync "$chooser"
  keys Down Down Return
  expect_size "$main" 753x452 "difficult game"
  xdotool windowfocus --sync "$main"
  hold $hint 3
  sleep 0.5
  xdotool search --all --onlyvisible --pid "$app_pid" --name '^Too many hints' >/dev/null &&
    fail "a held H took more than the one hint"
  keys $hint
  box=$(window_named "Too many hints...") || die "the second H took no hint"
  xdotool windowfocus --sync "$box"
  keys Return
fi

# Ctrl+Q closes the game, which writes the settings file.
quit_by_keys $quit || fail "Ctrl+Q did not close the game"
[ -s "$scratch/work/Brelvox.ini" ] || fail "no settings file after Ctrl+Q"

[ "$failures" = 0 ] || { cat "$scratch/program.log"; exit 1; }
echo "PASS: won or lost ($ending) by keys alone"
