#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader finds in the running game: on a private X server and a
# private session bus with the accessibility bus switched on, starts an easy
# game by keys and reads the board, the counters and the arrow buttons
# through AT-SPI, uncovering one cell by its own action and following the
# board cursor.
#
#   accessibility_e2e.sh PATH/TO/brelvox-seeded PATH/TO/brelvox-sim
#
# Exits 77 (skipped) when the X tools, D-Bus or the AT-SPI packages are missing.
set -u
program=$(realpath "${1:?usage: accessibility_e2e.sh PROGRAM SIM}")
sim=$(realpath "${2:?}")
here=$(dirname "$(realpath "$0")")
seed=20261208
# The system's Python, which the AT-SPI bindings belong to.
python=/usr/bin/python3

for tool in dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is missing"; exit 77; }

. "$here/x_session.sh"

# A session bus of our own; the accessibility bus starts on it when asked.
bus_pid=
extra_cleanup='[ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null'
start_accessibility_bus

mines=$(easy_board_rows) || exit 1

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
BRELVOX_TEST_SEED=$seed start_program "$program"
focus_window "$main"
xdotool key ctrl+n
chooser=$(window_named "choose a level") || die "Ctrl+N opened no level chooser"
focus_window "$chooser"
xdotool key Return
expect_size "$main" 603x564 "easy game"
focus_window "$main"

timeout 60 "$python" "$here/accessible_tree.py" Brelvox "$(echo $mines)" ||
  fail "the accessibility tree"
kill -0 "$app_pid" 2>/dev/null || die "the program ended"
[ "$failures" = 0 ] || { cat "$scratch/program.log"; exit 1; }
