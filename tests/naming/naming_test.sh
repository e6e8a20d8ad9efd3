#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy's naming check (the rules in .clang-tidy at the top) over
# the project's own C++ sources, as compile_commands.json in BUILD compiles
# them; fails on any name that breaks the rules and lists each one once.
# Exits 77 when clang-tidy is not installed.
set -eu
build=$1
top=$2
tidy=
for candidate in clang-tidy-14 clang-tidy; do
  if command -v "$candidate" >/dev/null 2>&1; then tidy=$candidate; break; fi
done
if [ -z "$tidy" ]; then
  echo "naming: clang-tidy is not installed" >&2
  exit 77
fi
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Every source of the project that the build compiles, generated ones aside.
python3 - "$build/compile_commands.json" "$top" "$build" <<'PY' |
import json, os, sys
commands, top, build = sys.argv[1:]
top, build = os.path.realpath(top), os.path.realpath(build)
seen = set()
for entry in json.load(open(commands)):
    path = os.path.realpath(os.path.join(entry["directory"], entry["file"]))
    if (path.startswith(top + os.sep) and not path.startswith(build + os.sep)
            and "/include_lines/" not in path and path not in seen):
        seen.add(path)
        print(path)
PY
  xargs -P 2 -n 4 "$tidy" -p "$build" --quiet --checks='-*,readability-identifier-naming' \
    >"$out" 2>/dev/null || true
problems=$(grep 'warning:\|error:' "$out" |
           sed "s|^$build/include/\\([^:]*\\)/\\1/|\\1/|; s|^$top/||" | sort -u || true)
if [ -n "$problems" ]; then
  printf '%s\n' "$problems"
  echo "naming: $(printf '%s\n' "$problems" | wc -l) names break the rules in .clang-tidy" >&2
  exit 1
fi
echo "naming: every name follows the rules"
