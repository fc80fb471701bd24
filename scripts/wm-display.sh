#!/usr/bin/env bash
# Virtual X screens with a real window manager (Xvfb + openbox), for the window-manager tests and
# the screenshots.
#   wm-display.sh start STATE_DIR NAME=WIDTHxHEIGHT...   one X server with openbox per screen
#   wm-display.sh stop STATE_DIR                          ends the servers that start began
# Each server takes a display number that is free at the time (Xvfb -displayfd), so several
# runs can share the machine. STATE_DIR/displays lists them as NAME=:N, one a line.
set -euo pipefail

usage() { echo "usage: $0 start STATE_DIR NAME=WxH... | stop STATE_DIR" >&2; exit 2; }
[ $# -ge 2 ] || usage
action=$1
state=$2
shift 2

# Waits up to ten seconds for a command to succeed.
wait_until() {
  for _ in $(seq 200); do
    "$@" > /dev/null 2>&1 && return 0
    sleep 0.05
  done
  return 1
}

# Whether a process runs (a zombie nobody has reaped yet has ended).
running() {
  [ -r "/proc/$1/stat" ] && ! sed 's/.*) //' "/proc/$1/stat" 2> /dev/null | grep -q '^Z'
}

# Ends a process this script started, named by its pid file, if it is still that program.
end_recorded() {
  local pidfile=$1 program=$2 pid
  [ -f "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  rm -f "$pidfile"
  if [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2> /dev/null)" = "$program" ]; then
    kill "$pid" 2> /dev/null || true
    wait_until eval "! running $pid" || kill -9 "$pid" 2> /dev/null || true
  fi
}

stop_all() {
  for pidfile in "$state"/*.openbox.pid; do end_recorded "$pidfile" openbox; done
  for pidfile in "$state"/*.xvfb.pid; do end_recorded "$pidfile" Xvfb; done
  rm -f "$state/displays" "$state"/*.display
}

wm_running() {
  DISPLAY=$1 xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# One attempt at a server with openbox for NAME at SIZE; leaves nothing running when it fails.
try_screen() {
  local name=$1 size=$2 display
  : > "$state/$name.display"
  # The server's output goes to files: nothing may hold the caller's pipes open.
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3> "$state/$name.display" \
    > "$state/$name.xvfb.log" 2>&1 < /dev/null &
  echo $! > "$state/$name.xvfb.pid"
  wait_until test -s "$state/$name.display" || return 1
  display=":$(head -n 1 "$state/$name.display")"
  wait_until env DISPLAY="$display" xprop -root _NET_SUPPORTED || return 1
  DISPLAY=$display openbox --config-file "$state/rc.xml" > "$state/$name.openbox.log" 2>&1 < /dev/null &
  echo $! > "$state/$name.openbox.pid"
  wait_until wm_running "$display" || return 1
  echo "$name=$display" >> "$state/displays"
}

start_screen() {
  local name=${1%%=*} size=${1#*=}
  [ -n "$name" ] && [[ $size =~ ^[0-9]+x[0-9]+$ ]] || usage
  for _ in 1 2 3; do
    try_screen "$name" "$size" && return 0
    end_recorded "$state/$name.openbox.pid" openbox
    end_recorded "$state/$name.xvfb.pid" Xvfb
  done
  echo "No X server with openbox could be started for $name ($size):" >&2
  cat "$state/$name.xvfb.log" "$state/$name.openbox.log" >&2 2> /dev/null || true
  return 1
}

case $action in
  start)
    [ $# -ge 1 ] || usage
    mkdir -p "$state"
    stop_all # whatever an interrupted run left behind
    # The packaged set-up, without the animation of minimize and restore: a window that comes
    # back is in place at once, so a test can go on as soon as it is shown.
    sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
      /etc/xdg/openbox/rc.xml > "$state/rc.xml"
    for screen in "$@"; do
      start_screen "$screen" || { stop_all; exit 1; }
    done
    cat "$state/displays"
    ;;
  stop)
    [ -d "$state" ] && stop_all
    ;;
  *) usage ;;
esac
