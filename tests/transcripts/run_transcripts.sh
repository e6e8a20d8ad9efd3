#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every NAME.in through brelvox-sim in a fresh folder holding the six wave
# files (and NAME.files/ if present) and compares standard output with NAME.out
# and the exit status with NAME.status (0 when absent).
sim=$1
dir=$2
failed=0
for script in "$dir"/*.in; do
  name=$(basename "$script" .in)
  work=$(mktemp -d)
  for wave in click.wav mark.wav Hint.wav HintOK.wav bang.wav Win.wav; do
    : > "$work/$wave"
  done
  if [ -d "$dir/$name.files" ]; then cp -R "$dir/$name.files/." "$work/"; fi
  (cd "$work" && "$sim" < "$script" > "$work/actual.out")
  status=$?
  expected_status=0
  [ -f "$dir/$name.status" ] && expected_status=$(cat "$dir/$name.status")
  if ! cmp -s "$work/actual.out" "$dir/$name.out"; then
    echo "FAIL $name: output differs"
    diff "$work/actual.out" "$dir/$name.out" | head -20
    failed=1
  elif [ "$status" != "$expected_status" ]; then
    echo "FAIL $name: exit status $status, expected $expected_status"
    failed=1
  elif [ -d "$dir/$name.expect" ]; then
    for file in "$dir/$name.expect"/*; do
      if ! cmp -s "$file" "$work/$(basename "$file")"; then
        echo "FAIL $name: $(basename "$file") differs"
        failed=1
      fi
    done
  fi
  [ $failed -eq 0 ] && echo "ok $name"
  rm -rf "$work"
done
exit $failed
