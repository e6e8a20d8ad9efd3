#!/bin/sh
# Installs what is missing, builds the game and starts it. Settings, scores
# and sounds live in $XDG_DATA_HOME/brelvox (by default ~/.local/share/brelvox),
# wherever this is run from.
set -e
cd "$(dirname "$0")/.."
sh tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target brelvox
BRELVOX_BINARY=$(pwd)/build/ui/brelvox BRELVOX_SOUNDS=$(pwd)/assets exec sh dist/brelvox-launcher
