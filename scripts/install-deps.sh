#!/usr/bin/env bash
# Installs every Debian package Dorvane needs to build, test and run; does nothing when all are present.
set -euo pipefail
packages=(
  build-essential cmake make pkg-config
  qt6-base-dev libgl-dev libxcb1-dev
  libsdl2-dev
  dbus-daemon
  fonts-liberation fonts-dejavu-core
  xvfb xauth imagemagick
  openbox x11-utils
  dbus-daemon at-spi2-core
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  desktop-file-utils appstream groff-base lintian dpkg-dev file xdotool
  orca speech-dispatcher speech-dispatcher-audio-plugins python3-pyatspi procps
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
