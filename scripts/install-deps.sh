#!/usr/bin/env bash
# Installs the Debian packages that a command needs, in layers, and nothing that is present:
#   install-deps.sh LAYER...    running, building, testing, packaging, virtual-display
#   install-deps.sh             every layer
# The Makefile names the layers each of its commands needs; add a package to the one layer
# that first needs it.
set -euo pipefail

# What the built program loads: the toolkit with its window-system plugins and its network,
# HTTP server and WebSocket modules (for sharing the clock), the QR code library, the OSC
# library (for stage gear's commands), the sound library (opened when the voice first sounds)
# and the font the arrows are drawn in.
running=(
  libqt6widgets6 libqt6dbus6 qt6-qpa-plugins
  libqt6network6 libqt6httpserver6 libqt6websockets6 libqrencode4 liblo7
  libsdl2-2.0-0
  fonts-dejavu-core
)
# The compiler, CMake and the development packages; the display font is copied into the build.
building=(
  build-essential cmake make pkg-config
  qt6-base-dev libgl-dev libxcb1-dev libfontconfig-dev
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev liblo-dev
  libsdl2-dev
  fonts-liberation
)
# A screen for the program where there is none, as on a server or in CI.
virtual_display=(
  xvfb xauth
)
# GoogleTest and the benchmarks' library; clang for the fuzz targets; X servers with a window
# manager and a hand on the keyboard and mouse; the message buses; the checkers of the
# installed files.
testing=(
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  "${virtual_display[@]}" openbox x11-utils xdotool imagemagick
  dbus-daemon at-spi2-core
  desktop-file-utils appstream groff-base
  # A screen reader that writes what it says to a file, on the accessibility bus.
  orca speech-dispatcher speech-dispatcher-audio-plugins python3-pyatspi procps
  # The shared clock's pages in a real browser, headless, driven through its DevTools protocol.
  chromium
)
# The Debian package: its tools (the library scan and `file` that CPack uses) and its checker.
packaging=(
  dpkg-dev file lintian
)

layers=("$@")
[ ${#layers[@]} -gt 0 ] || layers=(running building testing packaging)

packages=()
for layer in "${layers[@]}"; do
  case $layer in
    running) packages+=("${running[@]}") ;;
    building) packages+=("${building[@]}") ;;
    testing) packages+=("${testing[@]}") ;;
    packaging) packages+=("${packaging[@]}") ;;
    virtual-display) packages+=("${virtual_display[@]}") ;;
    *)
      echo "$0: unknown layer '$layer' (running, building, testing, packaging, virtual-display)" >&2
      exit 2
      ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
# A package named by two layers is installed once.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
