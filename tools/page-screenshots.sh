#!/usr/bin/env bash
# Phone-sized pictures of the shared clock's pages for the README, from headless chromium beside
# the real main window (offscreen), shared on loopback only: docs/screenshots/page-*.png.
#   tools/page-screenshots.sh [BUILD_DIR [OUT_DIR]]     defaults: build, docs/screenshots
# Needs a build with the tests on (the browser driver is theirs) and chromium installed.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
out=${2:-docs/screenshots}
cmake --build "$build_dir" --target page_screenshots > /dev/null
QT_QPA_PLATFORM=offscreen "$build_dir/tools/screenshots/page_screenshots" "$out"
