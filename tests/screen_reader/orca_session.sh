#!/usr/bin/env bash
# Runs the screen-reader tasks (orca_tasks.py) against the built clock as a blind user meets it:
# Orca 43 reading the desktop's accessibility bus, speaking through speech-dispatcher, whose one
# output module writes every utterance to a file instead of a sound card; an X server with
# openbox; keys typed with xdotool. Each run has its own display, session bus, accessibility
# bus, speech server and settings. Exits 77 (skipped) only where one of those programs is not
# installed.
#   orca_session.sh CLOCK_EXECUTABLE WM_DISPLAY_SCRIPT
set -euo pipefail
clock=$1
wm_script=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in orca speech-dispatcher dbus-run-session Xvfb openbox xdotool xprop; do
  command -v "$tool" > /dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
for file in /usr/libexec/at-spi-bus-launcher /usr/lib/speech-dispatcher-modules/sd_generic /usr/bin/python3; do
  [ -x "$file" ] || { echo "skipped: $file is not installed"; exit 77; }
done

# Orca runs once per user: a screen reader of the user's own is never replaced by a test's.
# One that a run before this one is still ending gets ten seconds to go.
for _ in $(seq 100); do
  pgrep -u "$(id -u)" -x orca > /dev/null || break
  sleep 0.1
done
if pgrep -u "$(id -u)" -x orca > /dev/null; then
  echo "skipped: this user already runs Orca"
  exit 77
fi

work=$(mktemp -d)
displays="$work/displays"
mkdir -p "$displays"
cleanup() {
  bash "$wm_script" stop "$displays" || true
  rm -rf "$work"
}
trap cleanup EXIT

bash "$wm_script" start "$displays" orca=1280x1024
display=$(sed -n 's/^orca=//p' "$displays/displays" | head -n 1)

# A private home: speech-dispatcher's sound output is ALSA's null device, Orca's settings are
# its defaults, the clock starts from the settings file the tasks write.
mkdir -p "$work/home" "$work/runtime" "$work/speech/modules" "$work/orca" "$work/clock"
chmod 700 "$work/runtime"
printf 'pcm.!default { type null }\n' > "$work/home/.asoundrc"
cat > "$work/speech/speechd.conf" << CONF
AddModule "logger" "sd_generic" "logger.conf"
DefaultModule logger
LanguageDefaultModule "en" "logger"
AudioOutputMethod "alsa"
CONF
# One line per utterance; no splitting of a message into pieces.
cat > "$work/speech/modules/logger.conf" << CONF
GenericExecuteSynth "printf '%s\\\\n' \'\$DATA\' >> $work/spoken.log"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "en"
GenericDelimiters "~"
GenericMaxChunkLength 100000
CONF
: > "$work/spoken.log"
cp "$clock" "$work/clock/"
cp "$(dirname "$clock")/arialnb.ttf" "$work/clock/" 2> /dev/null || true

export DISPLAY=$display HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export XDG_DATA_HOME=$work/home/.local/share SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
export SPEECHD_ADDRESS=unix_socket:$work/speech.sock
export ORCA_TASKS_WORK=$work ORCA_TASKS_LOG=$work/spoken.log ORCA_TASKS_CLOCK=$work/clock/$(basename "$clock")

status=0
dbus-run-session -- bash -c '
  set -u
  work=$ORCA_TASKS_WORK
  /usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/at-spi.log" 2>&1 &
  launcher=$!
  speech-dispatcher -s -t 0 -C "$work/speech" -c unix_socket -S "$work/speech.sock" -L "$work" \
    > "$work/speechd.out" 2>&1 &
  speechd=$!
  orca -u "$work/orca" --debug-file "$work/orca-debug.log" > "$work/orca.out" 2>&1 &
  orca=$!
  status=0
  /usr/bin/python3 "$0" "$@" || status=$?
  kill "$orca" "$speechd" "$launcher" 2> /dev/null || true
  # Orca takes its time over a polite end; the next run must not find it still there.
  for _ in $(seq 50); do
    kill -0 "$orca" 2> /dev/null || break
    sleep 0.1
  done
  kill -9 "$orca" 2> /dev/null || true
  wait "$orca" "$speechd" "$launcher" 2> /dev/null || true
  exit "$status"' "$here/orca_tasks.py" "${@:3}" || status=$?
if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
  echo "--- spoken.log"; cat "$work/spoken.log"
  echo "--- orca.out"; tail -n 20 "$work/orca.out"
  echo "--- speechd.out"; tail -n 20 "$work/speechd.out"
fi
exit "$status"
