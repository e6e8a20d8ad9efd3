#!/bin/sh
# Builds the Debian package, unpacks it into a scratch root and checks it as a
# packager and a first-time player would: metadata valid, every named file
# there, and the launcher making the player's folder with the cues and keeping
# the settings.
# usage: package_test.sh BUILD_DIR
set -u
build=$(readlink -f "$1")
scratch=$(mktemp -d)
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/pkg/brelvox_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no brelvox_VERSION_amd64.deb"
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends | tee "$scratch/depends"
for dep in libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$dep" "$scratch/depends" || fail "Depends lacks $dep"
done

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x"
id=io.github.brelvox.Brelvox
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$metainfo" > "$scratch/as.log" 2>&1
grep -q '^E:' "$scratch/as.log" && { cat "$scratch/as.log"; fail "appstreamcli errors"; }

exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec $exec_name missing"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  [ -f "$png" ] || fail "icon $size missing"
  file "$png" | grep -q "$size x $size" || fail "icon $size has the wrong size"
done
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ -f "$root/usr/share/applications/$launchable" ] || fail "launchable $launchable missing"
for f in usr/bin/brelvox usr/bin/brelvox-sim usr/share/man/man6/brelvox.6.gz; do
  [ -f "$root/$f" ] || fail "$f missing"
done
for cue in click mark Hint HintOK bang Win; do
  [ -f "$root/usr/share/brelvox/sounds/$cue.wav" ] || fail "$cue.wav missing"
done

command -v Xvfb >/dev/null || { echo "no Xvfb: launcher check skipped"; exit 0; }
display=:$((200 + $$ % 500))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
data_home=$scratch/data
mkdir -p "$data_home"
printf 'mine\n' > "$data_home/keep"
DISPLAY=$display XDG_DATA_HOME=$data_home XDG_RUNTIME_DIR=$scratch \
  "$root/usr/bin/brelvox-launcher" >"$scratch/game.log" 2>&1 &
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
