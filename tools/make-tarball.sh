#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the source tarball of a commit: exactly the files git holds, under
# brelvox-VERSION/, with the version taken from CMakeLists.txt at that commit.
# usage: sh tools/make-tarball.sh [COMMIT [OUTPUT_DIR]]   (default HEAD, .)
# Writes OUTPUT_DIR/brelvox-VERSION.tar.gz and prints its path.
set -e
commit=${1:-HEAD}
out=${2:-.}
cd "$(dirname "$0")/.."
version=$(git show "$commit:CMakeLists.txt" |
  sed -n 's/^project(brelvox VERSION \([0-9.]*\).*/\1/p')
[ -n "$version" ] || { echo "no version in CMakeLists.txt at $commit" >&2; exit 1; }
# The archive's time stamps are the commit's, so the same commit gives the
# same bytes on every run (gzip -n leaves out the name and time).
tarball=$(readlink -f "$out")/brelvox-$version.tar.gz
git archive --format=tar --prefix="brelvox-$version/" "$commit" | gzip -9n >"$tarball"
echo "$tarball"
