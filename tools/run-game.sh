#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game if needed and starts it. Settings, scores and sounds live in
# $XDG_DATA_HOME/brelvox (by default ~/.local/share/brelvox), wherever this is
# run from.
#
# The first run installs what is missing and configures the build folder.
# Later runs only call `cmake --build`, which does nothing when the program is
# up to date and configures again by itself when a CMake file changed; the
# package check runs again only when tools/install-deps.sh changed.
set -e
cd "$(dirname "$0")/.."
build=build
checked=$build/.packages-checked
if [ ! -f "$checked" ] || [ tools/install-deps.sh -nt "$checked" ]; then
  sh tools/install-deps.sh
  mkdir -p "$build"
  touch "$checked"
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target brelvox
BRELVOX_BINARY=$(pwd)/$build/ui/brelvox BRELVOX_SOUNDS=$(pwd)/assets exec sh dist/brelvox-launcher
