#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues in i18n/ are what `update_translations` makes of the code:
# lupdate, run over the sources into copies of them, changes nothing. It
# fails when lupdate cannot see a text (a macro it does not expand) or files
# it under another context than the program looks it up in (a class whose
# namespace it does not know), which the next translator's update would
# otherwise drop from the catalogues.
#
#   catalogues_current.sh LUPDATE GENERATOR PROJECT_CMAKE
set -eu
lupdate=$1 generator=$2 project=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The build's lupdate project, its catalogues replaced by copies.
sed -n 's/^set(lupdate_translations "\(.*\)")$/\1/p' "$project" | tr ';' '\n' >"$scratch/list"
[ -s "$scratch/list" ] || { echo "FAIL: no catalogues in $project"; exit 1; }
copies=
while read -r ts; do
  cp "$ts" "$scratch/"
  copies="$copies;$scratch/$(basename "$ts")"
done <"$scratch/list"
sed "s|^set(lupdate_translations .*|set(lupdate_translations \"${copies#;}\")|" "$project" \
  >"$scratch/project.cmake"
cmake -DIN_FILE="$scratch/project.cmake" -DOUT_FILE="$scratch/project.json" -P "$generator"
"$lupdate" -silent -project "$scratch/project.json" -no-obsolete -locations none

status=0
while read -r ts; do
  if ! cmp -s "$ts" "$scratch/$(basename "$ts")"; then
    echo "FAIL: lupdate would change $(basename "$ts"):"
    diff -u "$ts" "$scratch/$(basename "$ts")" | head -20
    status=1
  fi
done <"$scratch/list"
exit $status
