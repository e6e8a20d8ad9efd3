#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A cue found only under another letter case, in a folder of many files whose
# times are an hour ahead of or behind this machine's clock (a file server's
# clock): the folder is listed a few times in a session, not at every click.
# Counts the listing system calls of brelvox-sim with strace.
#
#   cue_listing_fault.sh PATH/TO/brelvox-sim
set -u
sim=$(realpath "${1:?usage: cue_listing_fault.sh PATH/TO/brelvox-sim}")
command -v strace >/dev/null || { echo "SKIP: strace is missing"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

clicks=300
{
  echo "seed 7"
  echo "new 0"
  for _ in $(seq "$clicks"); do echo "press right r 32 81"; done
  echo "quit"
} >"$scratch/commands"

failures=0
for offset in "+1 hour" "-1 hour" "now"; do
  folder=$scratch/folder
  rm -rf "$folder"
  mkdir "$folder"
  (cd "$folder" && touch MARK.WAV $(seq -f "noise-%g.wav" 3000))
  touch -d "$offset" "$folder"
  # The sanitizer build's leak check cannot run under a tracer; it has its
  # own run of the driver in every other test.
  (cd "$folder" && ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -qq -e trace=getdents64 -o "$scratch/trace" \
    "$sim" <"$scratch/commands" >"$scratch/out" 2>"$scratch/err")
  status=$?
  cues=$(grep -c '^cue mark.wav$' "$scratch/out")
  listings=$(grep -c 'getdents64(' "$scratch/trace")
  if [ "$status" -ne 0 ] || [ "$cues" -ne "$clicks" ]; then
    echo "FAIL ($offset): status $status, $cues of $clicks cues played"
    failures=$((failures + 1))
  elif [ "$listings" -gt 20 ]; then
    echo "FAIL ($offset): $listings getdents64 calls for $clicks clicks"
    failures=$((failures + 1))
  else
    echo "ok    folder time $offset: $listings getdents64 calls for $clicks clicks"
  fi
done
exit $((failures > 0))
