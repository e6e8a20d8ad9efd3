#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a private X server with damaged sound cues beside it:
# after every cue the window must still answer (Pause shrinks it, Play
# restores it) and SIGTERM must still close it and write Brelvox.ini.
#
#   damaged_cues_e2e.sh PATH/TO/brelvox ASSETS_DIR [CASE...]
#
# A case names what is done to the cues of one run (see `damage` below); all
# cases run when none is given. They run without a sound server, and some
# once more with a private one when PulseAudio is installed, so that the
# whole cues are really played.
set -u
program=$(realpath "${1:?usage: damaged_cues_e2e.sh PROGRAM ASSETS_DIR [CASE...]}")
assets=$(realpath "${2:?}")
shift 2
cases=("$@")
[ ${#cases[@]} -gt 0 ] || cases=(truncated odd-data chunks-past-end pipes tiny growing)

. "$(dirname "$0")/x_session.sh"
command -v python3 >/dev/null || { echo "SKIP: python3 is missing"; exit 77; }

# Rewrites the wave file $1: python3 expression $2 maps its bytes `b` to new ones.
rewrite() {
  python3 - "$1" "$2" <<'EOF'
import struct, sys
path, expr = sys.argv[1], sys.argv[2]
b = open(path, "rb").read()
le32 = lambda v: struct.pack("<I", v & 0xFFFFFFFF)
open(path, "wb").write(eval(expr))
EOF
}

# The six cues, copied from the assets and damaged as case $1 says. The game
# plays HintOK.wav first (the opening move), then mark.wav, then the sound
# click.wav, which stays whole: a player stuck on a damaged file shows there.
damage() {
  local w=$scratch/work
  rm -rf "$w"
  mkdir -p "$w"
  cp "$assets"/*.wav "$w/"
  case $1 in
    truncated)  # cut short, in the samples and in the header
      rewrite "$w/HintOK.wav" 'b[:2000]'
      rewrite "$w/mark.wav" 'b[:43]' ;;
    odd-data)  # complete, but 16-bit samples of an odd byte count
      for f in HintOK mark; do
        rewrite "$w/$f.wav" 'b[:4] + le32(len(b) - 7) + b[8:40] + le32(len(b) - 43) + b[44:] + b"\0"'
      done ;;
    chunks-past-end)  # sizes that point beyond the file
      rewrite "$w/HintOK.wav" 'b[:40] + le32(len(b)) + b[44:]'
      rewrite "$w/mark.wav" 'b[:16] + le32(0xFFFFFFF0) + b[20:]' ;;
    pipes)  # a pipe nobody writes, a device, a folder
      rm "$w/HintOK.wav" "$w/mark.wav" "$w/Hint.wav"
      mkfifo "$w/HintOK.wav"
      ln -s /dev/zero "$w/mark.wav"
      mkdir "$w/Hint.wav" ;;
    tiny)  # a header and no samples; an empty file
      rewrite "$w/HintOK.wav" 'b[:4] + le32(36) + b[8:40] + le32(0)'
      : >"$w/mark.wav" ;;
    growing)  # written to while the game runs
      rewrite "$w/HintOK.wav" 'b[:1000]'
      (while [ -d "$w" ]; do head -c 4096 /dev/urandom >>"$w/HintOK.wav" 2>/dev/null ||
        break; sleep 0.05; done) &
      grower=$! ;;
    *) echo "unknown case $1"; exit 2 ;;
  esac
}

# Pause and Play are the window answering: the board goes and comes back.
answers() {
  local what=$1
  click $((mx + 284)) $((my + 24))
  expect_size "$main" 603x50 "$what: paused" || return 1
  click $((mx + 284)) $((my + 24))
  expect_size "$main" 603x564 "$what: resumed"
}
click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

# The shown main window: the first window of that name may be one the
# toolkit replaced while setting the window up.
shown_main() {
  local id
  for _ in $(seq 100); do
    for id in $(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Brelvox$' 2>/dev/null); do
      [ "$(size_of "$id")" = 603x49 ] && { main=$id; return 0; }
    done
    sleep 0.1
  done
  die "$1: the main window did not show"
}

# A private sound server that plays into nothing.
start_sound_server() {
  mkdir -m 700 "$scratch/pulse" "$scratch/pulse-home"
  HOME=$scratch/pulse-home XDG_RUNTIME_DIR=$scratch/pulse pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no -L module-null-sink \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$scratch/pulse/native" \
    >"$scratch/pulse.log" 2>&1 &
  pulse_pid=$!
  extra_cleanup='kill $pulse_pid 2>/dev/null; wait $pulse_pid 2>/dev/null'
  for _ in $(seq 50); do
    [ -S "$scratch/pulse/native" ] && break
    sleep 0.1
  done
  [ -S "$scratch/pulse/native" ] || { cat "$scratch/pulse.log"; die "the sound server did not start"; }
}

runs=("${cases[@]}")
if command -v pulseaudio >/dev/null; then
  for c in "${cases[@]}"; do
    case $c in truncated | odd-data | pipes) runs+=("$c+sound") ;; esac
  done
fi
unset PULSE_SERVER
for run in "${runs[@]}"; do
  case_name=$run
  if [ "${run%+sound}" != "$run" ] && [ -z "${PULSE_SERVER:-}" ]; then
    start_sound_server
    export PULSE_SERVER=unix:$scratch/pulse/native
  fi
  grower=
  damage "${run%+sound}"
  start_program "$program"
  shown_main "$case_name"
  eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^[XY]=')"
  mx=$X my=$Y
  before=$failures
  # New and Start: the opening move plays HintOK.wav.
  click $((mx + 44)) $((my + 24))
  chooser=$(window_named "choose a level") || die "$case_name: no level chooser"
  sleep 0.3
  eval "$(xdotool getwindowgeometry --shell "$chooser" | grep -E '^[XY]=')"
  click $((X + 236)) $((Y + 152))
  expect_size "$main" 603x564 "$case_name: easy game"
  answers "$case_name: after HintOK.wav"
  # A mark and its removal (mark.wav twice), then a click on the marked
  # cell, which does nothing but play click.wav.
  for button in 3 3; do click $((mx + 32)) $((my + 49 + 32)) $button; done
  click $((mx + 32)) $((my + 49 + 32)) 3
  click $((mx + 32)) $((my + 49 + 32)) 1
  answers "$case_name: after mark.wav and click.wav"

  kill -TERM "$app_pid"
  for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$app_pid" 2>/dev/null; then
    fail "$case_name: SIGTERM did not close the program"
    kill -KILL "$app_pid"
  fi
  wait "$app_pid"
  status=$?
  app_pid=
  [ "$status" -eq 0 ] || fail "$case_name: exit status $status"
  [ -f "$scratch/work/Brelvox.ini" ] || fail "$case_name: no Brelvox.ini after SIGTERM"
  [ -n "$grower" ] && kill "$grower" 2>/dev/null && wait "$grower" 2>/dev/null
  [ "$failures" -eq "$before" ] && echo "ok    $case_name"
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed; program output of the last run:"
  cat "$scratch/program.log"
  exit 1
fi
echo "damaged cue checks passed"
