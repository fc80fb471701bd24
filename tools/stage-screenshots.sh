#!/usr/bin/env bash
# Full-screen pictures of the clock view, as a room sees it, taken from the built program on
# virtual screens with a window manager (scripts/wm-display.sh): 1920 x 1080 and 1280 x 960. Each
# screen's clock is a copy of the program in a folder of its own, so its settings stay there, on a
# session bus of its own, driven through its command line as a user's script would drive it:
# counting, in the "seconds" colour, expired with the overtime, with a message and blank. Each
# picture is measured (tools/stage_measure.py): the digits' height as a share of the screen's, and
# the line's centre against the screen's.
#   tools/stage-screenshots.sh [BUILD_DIR [OUT_DIR]]     defaults: build, docs/screenshots
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
out=${2:-docs/screenshots}
cmake --build "$build_dir" --target Dorvane > /dev/null
mkdir -p "$out"
state=$(mktemp -d)
clock_pids=()
bus_pids=()
cleanup() {
  for pid in "${clock_pids[@]}" "${bus_pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  bash scripts/wm-display.sh stop "$state"
  rm -rf "$state"
}
trap cleanup EXIT
bash scripts/wm-display.sh start "$state" wide=1920x1080 projector=1280x960 > /dev/null
export DBUS_SESSION_BUS_ADDRESS

# Waits up to ten seconds for a command to succeed.
wait_until() {
  for _ in $(seq 200); do
    "$@" > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

shoot() {
  local name=$1 display=$2 picture="$out/stage-$1.png"
  sleep 0.5 # the next frame has been drawn
  import -display "$display" -window root "$picture"
  convert-im6.q16 "$picture" "$state/measure.ppm"
  python3 tools/stage_measure.py "$state/measure.ppm" "$name"
}

declare -A sizes=([wide]=1920x1080 [projector]=1280x960)
for screen in wide projector; do
  display=":$(cat "$state/$screen.display")"
  home="$state/$screen-clock"
  mkdir -p "$home"
  cp "$build_dir/src/app/Dorvane" "$build_dir/src/app/arialnb.ttf" "$home/"
  # Ten seconds of the "seconds" colour, no voice, and the view full screen with the overtime.
  cat > "$home/Dorvane.Ini" << 'INI'
[Time]
Hours=0
Mins=10
Secs=0
[Voice]
Yes=0
[Display]
Yes=1
Seconds=10
[View]
ClockView=1
ClockOvertime=1
ClockMessageFlash=0
INI
  dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3> "$state/$screen.bus" 4> "$state/$screen.buspid"
  bus_pids+=("$(cat "$state/$screen.buspid")")
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$state/$screen.bus")
  DISPLAY=$display QT_QPA_PLATFORM=xcb "$home/Dorvane" > "$state/$screen.log" 2>&1 &
  clock_pids+=("$!")
  clock() { "$home/Dorvane" "$@"; }
  wait_until clock --status
  # The view comes back shown; F11 in it makes it full screen on this screen.
  wait_until env DISPLAY="$display" xdotool search --name '^Dorvane Clock$'
  view=$(DISPLAY=$display xdotool search --name '^Dorvane Clock$' | head -n 1)
  DISPLAY=$display xdotool windowactivate --sync "$view" key F11
  full_screen() {
    [ "$(DISPLAY=$display xdotool getwindowgeometry "$view" | sed -n 's/.*Geometry: //p')" = "${sizes[$screen]}" ]
  }
  wait_until full_screen || echo "$screen: the clock view did not go full screen" >&2

  clock --set 12:34 && clock --start
  sleep 1.2
  shoot "$screen-counting" "$display"
  clock --set 0:13 && clock --start
  sleep 3.3
  shoot "$screen-seconds" "$display"
  clock --set 0:2 && clock --start
  sleep 6.3
  shoot "$screen-expired-overtime" "$display"

  clock --set 5:00 && clock --start
  if clock --help 2>&1 | grep -q -- '--message'; then
    clock --message "Wrap up"
    shoot "$screen-message" "$display"
    clock --clear-message
  else
    echo "$screen-message: skipped, this build has no --message"
  fi
  if clock --help 2>&1 | grep -q -- '--blank'; then
    clock --blank on
    shoot "$screen-blank" "$display"
    clock --blank off
  else
    echo "$screen-blank: skipped, this build has no --blank"
  fi
  clock --stop
done
