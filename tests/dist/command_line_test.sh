#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program's command line: --help and --version answer without any
# display, a wrong argument is a usage error (exit 2), and the window system's
# own options still reach it.
# usage: command_line_test.sh PATH/TO/brelvox VERSION
set -u
program=$(realpath "$1")
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# No display at all: a program that opened a window here would abort.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" \
    >"$scratch/out" 2>"$scratch/err"
}

for option in --help -h; do
  run "$option"
  code=$?
  [ "$code" -eq 0 ] || fail "$option: exit $code"
  head -n 1 "$scratch/out" | grep -q '^Usage: brelvox \[options\]$' || fail "$option: no usage"
  grep -q -- '--version' "$scratch/out" || fail "$option: usage lacks --version"
  [ -s "$scratch/err" ] && fail "$option wrote to stderr: $(cat "$scratch/err")"
done
for option in --version -v; do
  run "$option"
  code=$?
  [ "$code" -eq 0 ] || fail "$option: exit $code"
  [ "$(cat "$scratch/out")" = "brelvox $version" ] || fail "$option printed '$(cat "$scratch/out")'"
done
for wrong in --bogus -x --help-all saved.game "-platform"; do
  run $wrong
  code=$?
  [ "$code" -eq 2 ] || fail "'$wrong': exit $code, not 2"
  [ -s "$scratch/out" ] && fail "'$wrong' wrote to stdout"
  grep -q '^Usage: brelvox' "$scratch/err" || fail "'$wrong': no usage on stderr"
done

# An answer that cannot be written is a failure.
"$program" --version >/dev/full 2>"$scratch/err"
code=$?
[ "$code" -eq 1 ] || fail "--version to a full disk: exit $code, not 1"

# No display to show the window on: one line that says so and exit 1, never an
# abort. Nor when the display named is not there, or the window system chosen.
free_display=1000
while [ -e "/tmp/.X11-unix/X$free_display" ] || [ -e "/tmp/.X$free_display-lock" ]; do
  free_display=$((free_display + 1))
done
mkdir "$scratch/folder"
for setting in "" "DISPLAY=:$free_display" "QT_QPA_PLATFORM=no-such-system" \
  "QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=no-such-socket"; do
  # shellcheck disable=SC2086
  (cd "$scratch/folder" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting \
    XDG_RUNTIME_DIR="$scratch/folder" "$program" >"$scratch/out" 2>"$scratch/err")
  code=$?
  what="start with ${setting:-no display}"
  [ "$code" -eq 1 ] || fail "$what: exit $code, not 1: $(cat "$scratch/err")"
  [ "$(grep -c . "$scratch/err")" -eq 1 ] || fail "$what: not one line: $(cat "$scratch/err")"
  grep -q '^brelvox: .*display to show the window on' "$scratch/err" ||
    fail "$what: said '$(cat "$scratch/err")'"
  [ -s "$scratch/out" ] && fail "$what wrote to stdout"
done
[ -z "$(ls "$scratch/folder")" ] || fail "a start without a display left files: $(ls "$scratch/folder")"

# A window-system option is not a usage error, and is the player's choice of
# window system: the game starts and stays up, with no display named.
mkdir -m 700 "$scratch/runtime"
(cd "$scratch" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  XDG_RUNTIME_DIR="$scratch/runtime" "$program" -platform offscreen >"$scratch/game.log" 2>&1) &
game=$!
sleep 1
if kill -0 "$game" 2>/dev/null; then
  kill -TERM "$game"
  wait "$game" || fail "-platform offscreen: the game did not close cleanly"
  [ -f "$scratch/Brelvox.ini" ] || fail "-platform offscreen: no Brelvox.ini at close"
else
  wait "$game"
  fail "-platform offscreen: the game ended by itself: $(cat "$scratch/game.log")"
fi

[ "$failures" -eq 0 ] || exit 1
echo "command line checks passed"
