#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop program under a real Wayland compositor (weston, headless):
# it opens its window, the level chooser appears as a dialog of the main
# window, an easy game starts and a smaller cell size is taken, the program
# keeps running, and SIGTERM closes it with the settings file written.
# The headless compositor has no keyboard, so the keys come from the test
# build's BRELVOX_TEST_KEYS.
# usage: wayland_test.sh PATH/TO/brelvox-seeded
set -u
program=$(readlink -f "${1:?usage: wayland_test.sh PATH/TO/brelvox-seeded}")
command -v weston >/dev/null || { echo "SKIP: weston is missing"; exit 77; }
plugin_dir=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null ||
  echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugin_dir"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
  { echo "SKIP: Qt's Wayland plugin (qt6-wayland) is missing"; exit 77; }

scratch=$(mktemp -d)
weston_pid=
app_pid=
trap '[ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
      [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
      rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*"
  echo "--- program:"; tail -n 40 "$scratch/program.log"
  echo "--- weston:"; tail -n 20 "$scratch/weston.log"
  exit 1
}

runtime=$scratch/runtime
mkdir -p "$runtime" "$scratch/work"
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=brelvox-test
weston --backend=headless-backend.so --socket=$socket --idle-time=0 --no-config \
  >"$scratch/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
[ -S "$runtime/$socket" ] || fail "weston did not start"

# Qt unloads its Wayland plugin, and the client library with it, before the
# sanitizer's exit-time leak report, so that library's leaks show up with an
# unknown module that no suppression can name. Under the sanitizer build this
# program alone runs without the leak check; every other test keeps it.
if [ -n "${ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
fi

# New by Ctrl+N, Enter starts the easy level, Ctrl+Minus makes its cells smaller.
# The client's protocol log shows which windows it made and how.
(cd "$scratch/work" &&
  exec env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    BRELVOX_TEST_KEYS="Ctrl+N Return Ctrl+-" "$program") >"$scratch/program.log" 2>&1 &
app_pid=$!
for _ in $(seq 100); do
  grep -q 'set_title("choose a level")' "$scratch/program.log" 2>/dev/null && break
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
  sleep 0.1
done
grep -q 'xdg_toplevel@[0-9]*\.set_title("Brelvox")' "$scratch/program.log" || fail "no main window"
grep -q 'set_title("choose a level")' "$scratch/program.log" || fail "no level chooser"
# Positions mean nothing to a Wayland compositor: the chooser must name the
# main window as its parent for the compositor to place it over it.
grep -q 'xdg_toplevel@[0-9]*\.set_parent(xdg_toplevel@' "$scratch/program.log" ||
  fail "the level chooser has no parent window"

sleep 2
kill -0 "$app_pid" 2>/dev/null || fail "the program ended during the game"
kill -TERM "$app_pid"
wait "$app_pid"
status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM"
ini=$scratch/work/Brelvox.ini
[ -f "$ini" ] || fail "Brelvox.ini not written"
# The easy size went from 64 to 63: the game ran and took the keys.
[ "$(tr -d '\r' <"$ini" | sed -n 2p)" = 63 ] || fail "Brelvox.ini holds $(tr '\r\n' '  ' <"$ini")"
echo "PASS: under Wayland a game started, the program answered and closed with its settings"
