#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game if needed and starts it, as the user who runs this. Settings,
# scores and sounds live in $XDG_DATA_HOME/brelvox (by default
# ~/.local/share/brelvox), wherever this is run from.
#
# The first run installs what building and playing need (with sudo for that
# step alone when not run as root; never the test tools or a sound server) and
# configures the build folder. Later runs only call `cmake --build`, which
# does nothing when the program is up to date and configures again by itself
# when a CMake file changed; the package check runs again only when
# tools/install-deps.sh changed.
set -e
cd "$(dirname "$0")/.."
build=build
if [ "$(id -u)" -ne 0 ] && [ -e "$build" ] &&
  [ -n "$(find "$build" ! -user "$(id -u)" -print -quit)" ]; then
  echo "Part of $build/ belongs to another user (an earlier run as root?). Take it back with" >&2
  echo "  sudo chown -R $(id -un): $(pwd)/$build" >&2
  exit 1
fi
checked=$build/.packages-checked
if [ ! -f "$checked" ] || [ tools/install-deps.sh -nt "$checked" ]; then
  sh tools/install-deps.sh play
  mkdir -p "$build"
  touch "$checked"
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  # The game alone: the tests and benchmarks need the test set of packages.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBRELVOX_BUILD_TESTS=OFF -DBRELVOX_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j2 --target brelvox
BRELVOX_BINARY=$(pwd)/$build/ui/brelvox BRELVOX_SOUNDS=$(pwd)/assets exec sh dist/brelvox-launcher "$@"
