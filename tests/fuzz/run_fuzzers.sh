#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and libFuzzer into build-fuzz and runs each one
# for SECONDS (default 60; 0 only replays the seed corpus). Inputs that the
# fuzzers find stay in build-fuzz; the corpus in the repository is not changed.
# Exits non-zero when a fuzzer finds a crash, a leak, a hang or a broken
# invariant; the input that did it is saved in build-fuzz/artifacts/.
set -eu
seconds=${1:-60}
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
build=$top/build-fuzz
targets="settings scores command_line session"

cxx=${FUZZ_CXX:-}
if [ -z "$cxx" ]; then
  for candidate in clang++-14 clang++; do
    if command -v "$candidate" >/dev/null 2>&1; then cxx=$candidate; break; fi
  done
fi
if [ -z "$cxx" ]; then
  echo "run_fuzzers: no clang++ found (install clang and libclang-rt-14-dev)" >&2
  exit 1
fi

echo "== building the fuzzers with $cxx"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build "$build" -j2

# Leak checks stay on; the suppressions only cover the system's sound library.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

mkdir -p "$build/artifacts"
# The fuzzers' scratch files, on a memory file system when there is one.
scratch=$(mktemp -d /dev/shm/brelvox-fuzz.XXXXXX 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export BRELVOX_FUZZ_SCRATCH=$scratch
failed=0
summary=""
for target in $targets; do
  work=$build/corpus/$target
  mkdir -p "$work"
  log=$build/$target.log
  if [ "$seconds" -eq 0 ]; then
    limit=-runs=0
  else
    limit=-max_total_time=$seconds
  fi
  dict=
  case $target in
    command_line | session) dict=-dict=$here/commands.dict ;;
  esac
  echo "== $target: $seconds s"
  # New inputs go into the first folder, the build's own; the seeds are read only.
  set +e
  "$build/${target}_fuzzer" "$limit" $dict -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$work" "$here/corpus/$target" >"$log" 2>&1
  status=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
  line="$target: ${runs:-?} executions in ${took:-?} s, exit status $status"
  echo "$line"
  summary="$summary$line
"
  if [ "$status" -ne 0 ]; then
    failed=1
    echo "-- $target failed; the end of its log ($log):"
    tail -n 40 "$log"
  fi
done
echo "== fuzzing summary"
printf '%s' "$summary"
exit $failed
