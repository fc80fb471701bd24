#!/usr/bin/env bash
# Runs the built clock in a virtual display with the accessibility bus up and prints what a
# screen reader reads of it (dump-tree.py). Needs xvfb, dbus-daemon, at-spi2-core and
# python3-pyatspi. The program runs from a copy in a temporary folder, so its settings file is
# a fresh one there.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build_dir/src/app/Dorvane" "$build_dir/src/app/arialnb.ttf" "$work/"

export SDL_AUDIODRIVER=dummy
"$root/tests/support/with_accessibility_bus.sh" bash -c '
  "$1/Dorvane" &
  clock=$!
  status=0
  /usr/bin/python3 "$2" Dorvane || status=$?
  wait "$clock" || true
  exit "$status"' dump-tree "$work" "$root/tools/accessibility/dump-tree.py"
