#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: the normal
# build, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the fuzzers for a bounded time.
set -e
cd "$(dirname "$0")/.."
top=$(pwd)
sh tools/install-deps.sh test

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELVOX_BUILD_TESTS=ON -DBRELVOX_BUILD_BENCH=ON
cmake --build build -j2
(cd build && ctest --output-on-failure --timeout 600 -j2)

echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRELVOX_SANITIZE=ON \
  -DBRELVOX_BUILD_BENCH=OFF
cmake --build build-asan -j2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$top/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export BRELVOX_DIFF_POSITIONS=${BRELVOX_DIFF_POSITIONS_ASAN:-20000}
(cd build-asan && ctest --output-on-failure --timeout 900 -j2)
unset BRELVOX_DIFF_POSITIONS

if [ -x tests/fuzz/run_fuzzers.sh ]; then
  echo "== fuzzing"
  sh tests/fuzz/run_fuzzers.sh "${FUZZ_SECONDS:-30}"
fi
