#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The release as a distribution takes it: the source tarball of what git holds
# (tracked changes included), unpacked where no git is, built into the Debian
# source and binary packages with the tests run inside that build; then
# lintian on both, hardening-check on every program, and the package unpacked
# and checked as a packager and a first-time player would.
# usage: package_test.sh SOURCE_DIR [DEB_BUILD_OPTIONS]
# With BRELVOX_PACKAGE_OUTPUT set to a folder, the packages made are kept there.
# Exits 77 (skipped) where the packaging tools or git are missing.
set -u
source_dir=$(readlink -f "$1")
build_options=${2:-}
for tool in git dpkg-buildpackage dh lintian hardening-check; do
  command -v "$tool" >/dev/null ||
    { echo "$tool missing (sh tools/install-deps.sh test installs it): skipped"; exit 77; }
done
git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1 ||
  { echo "not a git checkout, no tarball to make: skipped"; exit 77; }
scratch=$(mktemp -d)
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The tarball of the working tree's tracked files, as tools/make-tarball.sh
# makes it of a commit.
commit=$(git -C "$source_dir" stash create)
tarball=$(sh "$source_dir/tools/make-tarball.sh" "${commit:-HEAD}" "$scratch") || fail "make-tarball.sh"
name=$(basename "$tarball" .tar.gz)
version=${name#brelvox-}
echo "tarball: $(basename "$tarball"), $(wc -c <"$tarball") bytes," \
  "$(tar tzf "$tarball" | grep -vc '/$') files"
cp "$tarball" "$scratch/brelvox_$version.orig.tar.gz"
tar xzf "$tarball" -C "$scratch" || fail "unpacking the tarball"
tree=$scratch/$name
# One version everywhere: the news, the metadata's newest release and the
# Debian changelog's newest entry are of the version CMake sets.
[ "$(sed -n 's/^## \([0-9.]*\) .*/\1/p' "$tree/NEWS.md" | head -n 1)" = "$version" ] ||
  fail "NEWS.md does not begin with $version"
[ "$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$tree/dist/$(ls "$tree/dist" | grep metainfo)" |
  head -n 1)" = "$version" ] || fail "the metainfo's newest release is not $version"
head -n 1 "$tree/dist/debian/changelog" | grep -q "^brelvox ($version-" ||
  fail "dist/debian/changelog does not begin with $version"
cp -r "$tree/dist/debian" "$tree/debian"
# The whole suite has passed in the normal build before this test runs, so
# the package build runs the part of it that is not slow and needs no display
# (every part still builds): what the tarball alone may break.
(cd "$tree" && GIT_CEILING_DIRECTORIES=$scratch DEB_BUILD_OPTIONS="$build_options" \
  BRELVOX_CTEST_EXCLUDE='gui|package|slow' \
  dpkg-buildpackage -us -uc -sa >"$scratch/build.log" 2>&1) ||
  { tail -n 80 "$scratch/build.log"; fail "dpkg-buildpackage"; }
grep -E '^(dpkg-buildpackage: info: binary|[0-9]+% tests passed|Total Test time)' "$scratch/build.log"
changes=$(ls "$scratch"/brelvox_*.changes)
deb=$(ls "$scratch"/brelvox_*.deb)
echo "package: $(basename "$deb")"
if [ -n "${BRELVOX_PACKAGE_OUTPUT:-}" ]; then
  find "$scratch" -maxdepth 1 -type f -name 'brelvox*' -exec cp {} "$BRELVOX_PACKAGE_OUTPUT"/ \; ||
    fail "copying the packages out"
fi

# What Debian asks of a package: no lintian error or warning on the source or
# the binary package (what remains is explained in the overrides).
lintian --pedantic -I -E --show-overrides --tag-display-limit 0 "$changes" >"$scratch/lintian.log" 2>&1
grep -v '^running with root privileges' "$scratch/lintian.log"
grep -q '^[EW]:' "$scratch/lintian.log" && fail "lintian reports errors or warnings"
echo "lintian: $(grep -c '^E:' "$scratch/lintian.log") errors, $(grep -c '^W:' "$scratch/lintian.log") warnings"

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x"
# Every program and module hardened.
for elf in $(find "$root" -type f -exec sh -c 'head -c 4 "$1" | grep -q ELF && echo "$1"' sh {} \;); do
  hardening-check "$elf" >"$scratch/hardening.log" 2>&1 ||
    { cat "$scratch/hardening.log"; fail "hardening-check ${elf#"$root"}"; }
  echo "hardened: ${elf#"$root"}"
done

id=io.github.brelvox.Brelvox
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$metainfo" >"$scratch/as.log" 2>&1
grep -q '^E:' "$scratch/as.log" && { cat "$scratch/as.log"; fail "appstreamcli errors"; }

exec_path=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ "$exec_path" = /usr/games/brelvox-launcher ] || fail "Exec is $exec_path"
[ -x "$root$exec_path" ] || fail "Exec $exec_path missing"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
[ -f "$root/usr/share/icons/hicolor/symbolic/apps/$icon-symbolic.svg" ] || fail "no symbolic icon"
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  file "$png" | grep -q "$size x $size" || fail "icon $size missing or of the wrong size"
done
# The programs, each with its manual page, nothing in /usr/bin.
for program in brelvox brelvox-sim brelvox-launcher; do
  [ -x "$root/usr/games/$program" ] || fail "usr/games/$program missing"
  zcat "$root/usr/share/man/man6/$program.6.gz" | grep -q "^\.TH .*\"Brelvox $version\"" ||
    fail "no manual page for $program of version $version"
done
[ -e "$root/usr/bin" ] && fail "programs in /usr/bin"
for cue in click mark Hint HintOK bang Win; do
  [ -f "$root/usr/share/brelvox/sounds/$cue.wav" ] || fail "$cue.wav missing"
done
[ "$("$root/usr/games/brelvox-sim" --version)" = "brelvox-sim $version" ] || fail "brelvox-sim --version"

command -v Xvfb >/dev/null || { echo "no Xvfb: launcher check skipped"; exit 0; }
# The launcher makes the player's folder with the cues, and the game keeps
# its settings there. Xvfb picks a free display itself and reports its number.
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
