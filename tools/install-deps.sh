#!/bin/sh
# Installs what building, playing and testing Tanvorel Card Cricket need on
# Debian 12, and nothing when it is all there already. Uses sudo when not root.
set -eu

PACKAGES="g++ cmake make pkg-config libgtest-dev libgmock-dev
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-comic-neue fonts-liberation fonts-liberation2
  xvfb xauth"

if [ "${1:-}" = "--with-sanitizers" ]; then
  PACKAGES="$PACKAGES clang libclang-rt-14-dev"
fi
if [ "${1:-}" = "--with-media-tools" ]; then
  PACKAGES="$PACKAGES ffmpeg sox imagemagick"
fi

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
