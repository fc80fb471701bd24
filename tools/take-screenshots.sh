#!/usr/bin/env bash
# Regenerates docs/screenshots/ from the built program on virtual X screens with a window manager
# (scripts/wm-display.sh): a 1920 x 1080 screen for the README's pictures, and a 640 x 400 one whose
# picture (window and whole screen) goes to BUILD_DIR/screenshots-640x400/ for a look.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
cmake --build "$build_dir" --target dorvane_screenshots
tool="$build_dir/tools/screenshots/dorvane_screenshots"
state=$(mktemp -d)
trap 'bash scripts/wm-display.sh stop "$state"; rm -rf "$state"' EXIT
bash scripts/wm-display.sh start "$state" normal=1920x1080 small=640x400 > /dev/null
DISPLAY=":$(cat "$state/normal.display")" QT_QPA_PLATFORM=xcb "$tool" docs/screenshots
DISPLAY=":$(cat "$state/normal.display")" QT_QPA_PLATFORM=xcb "$tool" docs/screenshots --clock-view
DISPLAY=":$(cat "$state/normal.display")" QT_QPA_PLATFORM=xcb "$tool" docs/screenshots --share-dialog
DISPLAY=":$(cat "$state/small.display")" QT_QPA_PLATFORM=xcb "$tool" "$build_dir/screenshots-640x400" --first-only
