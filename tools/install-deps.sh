#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing on Debian 12, one package set at a time:
#   sh tools/install-deps.sh play   what building and playing the game need
#   sh tools/install-deps.sh test   that, and what the tests and packaging add
# Does nothing when everything is there. Not as root it installs with sudo
# (that step alone), or says what to run when there is no sudo.
set -e
set_name=${1:-test}
case "$set_name" in
  play | test) ;;
  *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac

# Building and playing: the compiler, Qt with its translation tools and
# catalogues, the Wayland plugin, the number font and the sound plugins.
# No sound server: the desktop has its own.
packages="cmake ninja-build g++ pkgconf
  qt6-base-dev qt6-multimedia-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n qt6-wayland
  libfontconfig-dev fonts-liberation gstreamer1.0-plugins-base gstreamer1.0-plugins-good"

if [ "$set_name" = test ]; then
  packages="$packages clang libclang-rt-14-dev python3 libgtest-dev libgmock-dev libbenchmark-dev"
  # Real windows under a private X server, screenshots, the sounds' checks
  packages="$packages xvfb xauth xdotool x11-apps x11-utils imagemagick sox"
  packages="$packages x11-xkb-utils"  # the keyboard test plays on a Russian layout
  packages="$packages weston"  # the Wayland test: a headless compositor
  packages="$packages dbus at-spi2-core python3-pyatspi"  # the accessibility test
  packages="$packages orca"  # the screen reader test reads what Orca would say
  packages="$packages pulseaudio"  # the damaged-cue test plays the cues into a private server
  # The release: metadata checks, the Debian package built, checked and
  # hardened, and the icons rendered again from their drawing
  packages="$packages desktop-file-utils appstream dpkg-dev debhelper devscripts lintian file"
  packages="$packages librsvg2-bin"
  packages="$packages clang-tidy"  # the naming test
  packages="$packages strace"  # the cue-listing fault test counts the listing system calls
fi

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null; then
  as_root=sudo
  echo "Installing with sudo:$missing"
else
  echo "Missing packages. As root, run:" >&2
  echo "  apt-get update && apt-get install --no-install-recommends$missing" >&2
  exit 1
fi
# Asked before installing when someone is there to answer.
yes=-y
[ -t 0 ] && yes=""
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install $yes -qq --no-install-recommends $missing
