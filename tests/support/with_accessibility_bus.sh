#!/usr/bin/env bash
# Runs a test program as a screen reader's desktop would host it: a session bus with the
# accessibility bus on it, a virtual display, and Qt's accessibility bridge switched on.
# Exits 77 (skipped) where those programs are not installed.
set -euo pipefail
launcher=/usr/libexec/at-spi-bus-launcher
for tool in dbus-run-session xvfb-run; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
[ -x "$launcher" ] || { echo "skipped: $launcher is not installed"; exit 77; }
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Qt joins the accessibility bus as soon as the launcher has registered it, before or after the
# program starts; the launcher and its bus end with the session.
exec dbus-run-session -- bash -c '
  "$0" --launch-immediately &
  launcher=$!
  status=0
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@" || status=$?
  kill "$launcher" 2>/dev/null || true
  exit "$status"' "$launcher" "$@"
