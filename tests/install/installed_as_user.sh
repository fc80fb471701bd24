#!/usr/bin/env bash
# An installed copy started by an ordinary user with a home of their own, on a virtual display:
# an administrator's Dorvane.Ini beside the program gives the starting values of a user who has
# no settings yet, Done closes the window and keeps the settings in ~/.config/dorvane, and the
# next start reads that file back. As root the user is nobody; otherwise the current user, with
# the program's folder made read-only as an installed one is.
source "$(dirname "$0")/lib.sh"
install_copy
bin=$prefix/bin
home=$work/home
runtime=$work/runtime
mkdir -p "$home" "$runtime"
chmod 700 "$runtime"
# The preset also shares the clock on this computer only, on a port free now: the installed program
# loads its network module from where it was installed.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf '[Time]\r\nHours=2\r\nMins=15\r\n[Voice]\r\nYes=0\r\n[Network]\r\nShare=1\r\nListen=Local\r\nPort=%s\r\n' \
  "$port" > "$bin/Dorvane.Ini"
cp "$bin/Dorvane.Ini" "$work/preset"
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  user=nobody
  chown nobody:nogroup "$home" "$runtime"
else
  as_user=()
  user=$(id -un)
  chmod a-w "$bin"
fi

# A display of our own, with no access control so that the other user may connect; its number
# arrives once it is ready.
mkfifo "$work/ready"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac 3> "$work/ready" 2> "$work/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; cleanup' EXIT
read -r -t 30 number < "$work/ready" || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$number

# Starts the installed program as the user, waits for its window, clicks Done and waits for the
# program to end; its exit code is the function's.
start_and_press_done() {
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" DISPLAY="$DISPLAY" \
    SDL_AUDIODRIVER=dummy LC_ALL=C timeout 60 "$bin/dorvane" > "$work/program.log" 2>&1 &
  local program=$! window
  window=$(timeout 30 xdotool search --sync --onlyvisible --class Dorvane | head -n 1)
  if [ -z "$window" ]; then
    kill "$program"
    cat "$work/program.log"
    return 1
  fi
  eval "$(xdotool getwindowgeometry --shell "$window")"
  timeout 30 xdotool windowfocus --sync "$window"
  # Done's centre in the 608 x 441 design client area, scaled with the window.
  xdotool mousemove --window "$window" $((241 * WIDTH / 608)) $((326 * HEIGHT / 441)) click 1
  wait "$program"
}
user_file=$home/.config/dorvane/Dorvane.Ini
not_said() { ! grep -q "$1" "$2"; }

# A user without settings starts from the preset and keeps them in their own folder.
check "first start closes on Done" start_and_press_done
check "first start shared the clock" not_said "not shared on the network" "$work/program.log"
check "the links' keys are the user's own" test "$(stat -c '%U %a' "$home/.config/dorvane/sharing.keys")" = "$user 600"
check "the settings are in the user's folder" test -f "$user_file"
check "the user's file is the user's own" test "$(stat -c %U "$user_file")" = "$user"
for line in Hours=2 Mins=15 Secs=0 Seconds=60; do
  check "first close wrote $line" grep -qx "$line" "$user_file"
done
voice_off() { grep -A1 -x '\[Voice\]' "$user_file" | grep -qx Yes=0; }
check "the voice option came from the preset" voice_off
check "the preset is untouched" cmp "$work/preset" "$bin/Dorvane.Ini"
check "nothing else beside the program" test "$(ls -A "$bin" | LC_ALL=C sort)" = "$(printf 'Dorvane.Ini\ndorvane')"

# The next start reads the user's own file, not the preset: the hours go through the hours field,
# which holds at most 99.
sed -i 's/^Hours=.*/Hours=150/; s/^Secs=.*/Secs=7/' "$user_file"
check "second start closes on Done" start_and_press_done
check "second start read the user's hours" grep -qx Hours=99 "$user_file"
check "second start read the user's seconds" grep -qx Secs=7 "$user_file"
check "the preset is still untouched" cmp "$work/preset" "$bin/Dorvane.Ini"
finish
