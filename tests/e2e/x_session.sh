# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests: a private X server in a scratch folder
# (its screen $xvfb_screen if set, else 1280x1024x24),
# and the window helpers they share. Sets `scratch`, DISPLAY and the
# functions below; exits 77 (skipped) when the X tools are missing.
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done

scratch=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "${extra_cleanup:-}" ] && eval "$extra_cleanup"
  rm -rf "$scratch"
}
trap cleanup EXIT

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
die() {
  echo "FAIL: $*; program output:"
  cat "$scratch/program.log" 2>/dev/null
  exit 1
}

# Xvfb picks a free display itself and reports its number.
Xvfb -displayfd 3 -screen 0 "${xvfb_screen:-1280x1024x24}" -nolisten tcp 3>"$scratch/display" \
  >"$scratch/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$scratch/display" ] || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=:$(head -n1 "$scratch/display")
for _ in $(seq 50); do
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "SKIP: Xvfb did not answer"; exit 77; }

mkdir -p "$scratch/work" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_XCB_GL_INTEGRATION=none

# The id of the first shown window titled exactly $1, waiting for it to appear.
# Only windows of the program started here count (the toolkit names each
# window with its process): never a hidden helper window of the same title,
# nor a window of another program that reached this display.
window_named() {
  local id
  for _ in $(seq 150); do
    if [ -n "$app_pid" ]; then
      id=$(xdotool search --all --onlyvisible --pid "$app_pid" --name "^$1\$" 2>/dev/null | head -n1)
    else
      id=$(xdotool search --all --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    fi
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null && return 1
    sleep 0.1
  done
  return 1
}

size_of() {
  local WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
  echo "${WIDTH:-}x${HEIGHT:-}"
}

# Waits until window $1 has the size $2 (WIDTHxHEIGHT).
expect_size() {
  local got
  for _ in $(seq 50); do
    got=$(size_of "$1")
    [ "$got" = "$2" ] && return 0
    sleep 0.1
  done
  fail "$3: window is $got, expected $2"
}

# Starts the program ("$@") in the scratch work folder and waits for its main
# window; sets app_pid and main. A connection refused by a display that was
# still coming up on a busy machine gets one more try.
start_program() {
  local try
  for try in 1 2; do
    (cd "$scratch/work" && exec "$@") >"$scratch/program.log" 2>&1 &
    app_pid=$!
    main=$(window_named Brelvox) && return 0
    grep -q "cannot open a display" "$scratch/program.log" || break
    sleep 1
  done
  die "no main window"
}

# Closes the program with Ctrl+Q (or the keys $1) and waits until it has ended.
quit_by_keys() {
  xdotool windowfocus --sync "$main" 2>/dev/null
  xdotool key "${1:-ctrl+q}"
  for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Gives window $1 the keyboard, waiting until it is mapped: a window that
# exists but is not yet viewable refuses the focus.
focus_window() {
  for _ in $(seq 50); do
    xdotool windowfocus --sync "$1" 2>/dev/null && return 0
    sleep 0.1
  done
  die "window $1 never took the focus"
}

# A session bus of our own, with the accessibility bus started on it and
# switched on. Sets bus_pid, which the caller's extra_cleanup kills.
start_accessibility_bus() {
  bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1) ||
    die "no session bus"
  DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
  bus_pid=$(echo "$bus" | sed -n 2p)
  export DBUS_SESSION_BUS_ADDRESS
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null || die "no accessibility bus"
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true >/dev/null || die "could not switch accessibility on"
}

# The content rows of the easy board that the driver `sim` deals for `seed`,
# called as $(easy_board_rows) || exit 1.
easy_board_rows() {
  mkdir -p "$scratch/sim"
  rows=$(cd "$scratch/sim" && printf 'seed %s\nnew 0\ndump\n' "$seed" | "$sim" |
    awk '$1 == "content" { print $3 }')
  if [ "$(echo "$rows" | wc -l)" != 8 ]; then
    echo "FAIL: the driver gave no easy board" >&2
    return 1
  fi
  echo "$rows"
}
