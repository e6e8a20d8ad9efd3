#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, unpacks it into a scratch root and checks it as a
# packager and a first-time player would: lintian content, metadata valid,
# every named file there, and the launcher making the player's folder with the
# cues and keeping the settings.
# usage: package_test.sh BUILD_DIR
set -u
build=$(readlink -f "$1")
scratch=$(mktemp -d)
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/pkg/brelvox_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no brelvox_VERSION_amd64.deb"
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends | tee "$scratch/depends"
for dep in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins qt6-wayland fonts-liberation; do
  grep -q "$dep" "$scratch/depends" || fail "Depends lacks $dep"
done

# What Debian asks of a package: no lintian error or warning (the remaining
# informational tag is overridden, with its reason, in the package).
command -v lintian >/dev/null || fail "lintian is missing (tools/install-deps.sh installs it)"
lintian --fail-on error,warning --display-info --show-overrides --tag-display-limit 0 "$deb" \
  >"$scratch/lintian.log" 2>&1
lintian_status=$?
grep -v '^running with root privileges' "$scratch/lintian.log"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"
grep -q '^[EW]:' "$scratch/lintian.log" && fail "lintian reports errors or warnings"
echo "lintian $(lintian --version | cut -d' ' -f2): $(grep -c '^E:' "$scratch/lintian.log") errors," \
  "$(grep -c '^W:' "$scratch/lintian.log") warnings, $(grep -c '^I:' "$scratch/lintian.log") info," \
  "$(grep -c '^O:' "$scratch/lintian.log") overridden"

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x"
id=io.github.brelvox.Brelvox
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$metainfo" > "$scratch/as.log" 2>&1
grep -q '^E:' "$scratch/as.log" && { cat "$scratch/as.log"; fail "appstreamcli errors"; }

exec_path=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$exec_path" = /usr/games/brelvox-launcher ] || fail "Exec is $exec_path"
[ -x "$root$exec_path" ] || fail "Exec $exec_path missing"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
[ -f "$root/usr/share/icons/hicolor/symbolic/apps/$icon-symbolic.svg" ] || fail "no symbolic icon"
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "icon $size missing"
  file "$png" | grep -q "$size x $size" || fail "icon $size has the wrong size"
done
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable $launchable missing"
# The programs, stripped, each with its manual page, and nothing in /usr/bin.
for program in brelvox brelvox-sim brelvox-launcher; do
  [ -x "$root/usr/games/$program" ] || fail "usr/games/$program missing"
  [ -f "$root/usr/share/man/man6/$program.6.gz" ] || fail "no manual page for $program"
done
[ -e "$root/usr/bin" ] && fail "programs in /usr/bin"
for program in brelvox brelvox-sim; do
  file "$root/usr/games/$program" | grep -q ', stripped' || fail "$program not stripped"
done
[ -f "$root/usr/share/doc/brelvox/copyright" ] || fail "no copyright file"
for cue in click mark Hint HintOK bang Win; do
  [ -f "$root/usr/share/brelvox/sounds/$cue.wav" ] || fail "$cue.wav missing"
done

command -v Xvfb >/dev/null || { echo "no Xvfb: launcher check skipped"; exit 0; }
# Xvfb picks a free display itself and reports its number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
display=:$(head -n 1 "$scratch/display")
data_home=$scratch/data
mkdir -p "$data_home"
printf 'mine\n' > "$data_home/keep"
DISPLAY=$display XDG_DATA_HOME=$data_home XDG_RUNTIME_DIR=$scratch \
  "$root/usr/games/brelvox-launcher" >"$scratch/game.log" 2>&1 &
game_pid=$!
window=""
for _ in $(seq 1 50); do
  window=$(DISPLAY=$display xdotool search --name '^Brelvox$' 2>/dev/null | head -n 1)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { cat "$scratch/game.log"; fail "no window"; }
kill -TERM "$game_pid"
wait "$game_pid" || fail "the game did not close cleanly"
folder=$data_home/brelvox
[ -f "$folder/Brelvox.ini" ] || fail "Brelvox.ini not written at close"
for cue in click mark Hint HintOK bang Win; do
  cmp -s "$folder/$cue.wav" "$root/usr/share/brelvox/sounds/$cue.wav" || fail "$cue.wav not copied"
done
echo "package checks passed"
