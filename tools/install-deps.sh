#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, play and test, and
# only those that are missing, plus any named on the command line (such as
# the font that `make assets` sets the text pictures in). Uses sudo when not
# run as root.
set -e
PACKAGES="cmake g++ make pkg-config libsdl2-dev libsdl2-mixer-dev libx11-dev libfreetype-dev zlib1g-dev libpng-dev
libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool imagemagick
desktop-file-utils appstream groff-base $*"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing
