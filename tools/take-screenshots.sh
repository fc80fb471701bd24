#!/usr/bin/env bash
# Regenerates docs/screenshots/ from the built program inside a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
cmake --build "$build_dir" --target dorvane_screenshots
xvfb-run -a -s "-screen 0 1920x1200x24" "$build_dir/tools/screenshots/dorvane_screenshots" docs/screenshots
