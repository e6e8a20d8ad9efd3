#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building, testing and playing need, on Debian 12, as root.
# Does nothing when everything is there already.
set -e
packages="cmake ninja-build g++ clang libclang-rt-14-dev python3
  qt6-base-dev libfontconfig-dev qt6-multimedia-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation xvfb xauth xdotool x11-apps x11-utils imagemagick sox
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  desktop-file-utils appstream dpkg-dev file"
packages="$packages lintian"  # the package test checks the .deb with it
packages="$packages clang-tidy"  # the naming test
packages="$packages weston qt6-wayland"  # the Wayland test: a headless compositor and Qt's plugin
# Translations: lupdate and lrelease with their CMake functions, and Qt's own
# catalogues for the standard dialog buttons
packages="$packages qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
packages="$packages dbus at-spi2-core python3-pyatspi"  # the accessibility test: a session bus and AT-SPI
packages="$packages pulseaudio"  # the damaged-cue test plays the whole cues into a private server
packages="$packages strace"  # the cue-listing fault test counts the listing system calls
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages:$missing (run this script as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
