#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs installed on every player's PATH answer --help and --version
# without touching a file: run in an empty folder with HOME an empty folder,
# both stay empty. A wrong argument to brelvox-sim is a usage error, before
# any file is read or written.
# usage: answers_test.sh PATH/TO/brelvox-sim PATH/TO/brelvox-launcher [PATH/TO/brelvox] VERSION
set -u
sim=$(readlink -f "$1")
launcher=$(readlink -f "$2")
if [ $# -eq 4 ]; then
  game=$(readlink -f "$3")
  version=$4
else
  game=""
  version=$3
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# ask EXPECTED_STATUS PROGRAM ARGS...: runs it in a fresh empty folder with an
# empty home, stdin closed to nothing, and checks that nothing was made.
ask() {
  expected=$1
  shift
  rm -rf "$scratch/here" "$scratch/home"
  mkdir "$scratch/here" "$scratch/home"
  (cd "$scratch/here" && env -u XDG_DATA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$scratch/home" \
    "$@" </dev/null >"$scratch/out" 2>"$scratch/err")
  code=$?
  [ "$code" -eq "$expected" ] || fail "$*: exit $code, not $expected: $(cat "$scratch/err")"
  made=$(ls -A "$scratch/here" "$scratch/home" | grep -v ':$' | grep -c .)
  [ "$made" -eq 0 ] || fail "$*: made $(ls -AR "$scratch/here" "$scratch/home" | tr '\n' ' ')"
}

for option in --help -h; do
  ask 0 "$sim" "$option"
  head -n 1 "$scratch/out" | grep -q '^Usage: brelvox-sim' || fail "sim $option: no usage"
done
for option in --version -v; do
  ask 0 "$sim" "$option"
  [ "$(cat "$scratch/out")" = "brelvox-sim $version" ] || fail "sim $option: '$(cat "$scratch/out")'"
done
for wrong in --bogus seed "--version --help"; do
  # shellcheck disable=SC2086
  ask 2 "$sim" $wrong
  [ -s "$scratch/out" ] && fail "sim $wrong wrote to stdout"
  grep -q '^Usage: brelvox-sim' "$scratch/err" || fail "sim $wrong: no usage on stderr"
done
"$sim" --version >/dev/full 2>/dev/null && fail "sim --version to a full disk succeeded"

if [ -n "$game" ]; then
  for option in --version -v; do
    ask 0 env BRELVOX_BINARY="$game" sh "$launcher" "$option"
    [ "$(cat "$scratch/out")" = "brelvox $version" ] || fail "launcher $option: '$(cat "$scratch/out")'"
  done
  ask 0 env BRELVOX_BINARY="$game" sh "$launcher" --help
  grep -q '^Usage: brelvox-launcher' "$scratch/out" || fail "launcher --help: no usage of its own"
  grep -q '^Usage: brelvox \[options\]' "$scratch/out" || fail "launcher --help: not the game's"
fi
# With the game missing the launcher says so and makes no folder.
ask 1 env BRELVOX_BINARY="$scratch/no-game" sh "$launcher"
grep -q 'game is not there' "$scratch/err" || fail "launcher without its game said '$(cat "$scratch/err")'"

[ "$failures" -eq 0 ] || exit 1
echo "answer checks passed"
