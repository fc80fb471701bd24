#!/usr/bin/env bash
# Starts the clock from the build tree; on a machine without a display, inside a virtual one.
set -euo pipefail
build_dir=${1:-build}
exe=$(cat "$build_dir/program-path" 2> /dev/null || true)
if [ -z "$exe" ] || [ ! -x "$exe" ]; then
  echo "The program is not built in $build_dir: make run builds it." >&2
  exit 1
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = "" ]; then
  echo "No display found: starting inside Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$exe"
fi
exec "$exe"
