#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind player hears: on a private X server and a private session bus
# with the accessibility bus switched on, runs the Orca screen reader with no
# speech server (it logs every utterance to its debug file) and plays a
# seeded easy game by keys: an uncover, a mark, a hint, then a mine. Each
# result must be spoken.
#
#   screen_reader_e2e.sh PATH/TO/brelvox-seeded PATH/TO/brelvox-sim
#
# With BRELVOX_SPEECH_LOG set, the utterances are copied to that file.
#
# Exits 77 (skipped) when the X tools, D-Bus, the AT-SPI packages or Orca
# are missing.
set -u
program=$(realpath "${1:?usage: screen_reader_e2e.sh PROGRAM SIM}")
sim=$(realpath "${2:?}")
here=$(dirname "$(realpath "$0")")
seed=20261208

for tool in dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher orca; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

. "$here/x_session.sh"

# A session bus of our own; the accessibility bus starts on it when asked.
bus_pid=
orca_pid=
extra_cleanup='[ -n "$orca_pid" ] && kill "$orca_pid" 2>/dev/null; [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null'
start_accessibility_bus

mines=$(easy_board_rows) || exit 1

# Orca with preferences of its own, no speech server, and a debug log that
# is written line by line so that it can be read while Orca runs.
prefs="$scratch/orca"
mkdir -p "$prefs"
echo 'import orca.debug; orca.debug.debugFile and orca.debug.debugFile.reconfigure(line_buffering=True)' \
  >"$prefs/orca-customizations.py"
log="$scratch/orca.log"
XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" SPEECHD_CMD=/nonexistent \
  orca -u "$prefs" --debug-file="$log" >"$scratch/orca.out" 2>&1 &
orca_pid=$!

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
BRELVOX_TEST_SEED=$seed start_program "$program"
for _ in $(seq 150); do
  grep -q "SPEECH OUTPUT" "$log" 2>/dev/null && break
  sleep 0.1
done
focus_window "$main"
keys() { xdotool key --delay 150 "$@"; }
keys ctrl+n
chooser=$(window_named "choose a level") || die "Ctrl+N opened no level chooser"
focus_window "$chooser"
keys Return
expect_size "$main" 603x564 "easy game"
focus_window "$main"

# Waits until Orca has spoken a line matching $1 since the last check.
seen=0
heard() {
  local lines
  for _ in $(seq 100); do
    lines=$(grep "SPEECH OUTPUT: '" "$log" | tail -n +$((seen + 1)))
    if echo "$lines" | grep -qE "$1"; then
      seen=$(($(grep -c "SPEECH OUTPUT: '" "$log")))
      return 0
    fi
    sleep 0.1
  done
  fail "Orca did not say /$1/ ($2); it said: $(echo "$lines" | tail -n 5 | tr '\n' ' ')"
}

# The board's cells in reading order; the keys below walk to one of them
# from the top-left cell.
walk_to() {
  local col=$1 row=$2 path=(Home Prior)
  for _ in $(seq "$row"); do path+=(Down); done
  for _ in $(seq "$col"); do path+=(Right); done
  keys "${path[@]}"
}
safe=
mark=
lose=
for row in $(seq 0 7); do
  line=$(echo "$mines" | sed -n "$((row + 1))p")
  for col in $(seq 0 7); do
    if [ "${line:$col:1}" = "*" ]; then
      [ -z "$mark" ] && mark="$col $row" || lose="$col $row"
    elif [ -z "$safe" ]; then
      safe="$col $row"
    fi
  done
done

keys Home  # shows the cursor
walk_to $safe
keys space
heard "SPEECH OUTPUT: '(notification )?([0-9]|empty)" "the uncovered cell"
walk_to $mark
keys f
heard "SPEECH OUTPUT: '(notification )?marked" "the marked cell"
keys h
heard "SPEECH OUTPUT: '(notification )?Hint: row [0-9], column [0-9]" "the hint"
heard "SPEECH OUTPUT: '(notification )?row [0-9], column [0-9]: " "what the hint did"
walk_to $lose
keys space
heard "SPEECH OUTPUT: '(notification )?mine. You lost" "the loss"

kill -0 "$app_pid" 2>/dev/null || die "the program ended"
[ "$failures" = 0 ] || {
  grep "SPEECH OUTPUT" "$log" | tail -n 40
  cat "$scratch/program.log"
  exit 1
}
[ -n "${BRELVOX_SPEECH_LOG:-}" ] && grep "SPEECH OUTPUT" "$log" >"$BRELVOX_SPEECH_LOG"
echo "PASS: Orca spoke the results of an uncover, a mark, a hint and a loss"
