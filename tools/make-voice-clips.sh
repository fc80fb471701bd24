#!/bin/sh
# Regenerates the twelve voice clips in resources/voice/ and their SHA256SUMS.
# Needs Debian's flite (voice "slt"), sox and python3. The output is repeatable:
# flite is deterministic and sox runs with -R (fixed dither seed).
#
#   tools/make-voice-clips.sh            # writes resources/voice/
#   tools/make-voice-clips.sh OUTDIR     # writes elsewhere, e.g. to compare checksums
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../resources/voice"}
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for tool in flite sox python3; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

# Stored name and spoken text, one clip a line.
clips='FIVESOUND|Five minutes remaining.
FOURSOUND|Four minutes remaining.
THREESOUND|Three minutes remaining.
TWOSOUND|Two minutes remaining.
ONE45SOUND|One minute, forty-five seconds remaining.
ONE30SOUND|One minute, thirty seconds remaining.
ONE15SOUND|One minute, fifteen seconds remaining.
ONESOUND|One minute remaining.
FORTYFIVESOUND|Forty-five seconds remaining.
THIRTYSOUND|Thirty seconds remaining.
FIFTEENSOUND|Fifteen seconds remaining.
TIMEUPSOUND|Time is up. Your time has expired.'

echo "$clips" | while IFS='|' read -r name text; do
  flite -voice slt -t "$text" -o "$work/$name.speech.wav"
  # Trim silence at both ends and resample (kept at 32-bit for the next pass)...
  sox -R "$work/$name.speech.wav" -e signed-integer -b 32 "$work/$name.trimmed.wav" \
      silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse rate -v 22050
  # ...then bring the peak to -1 dBFS so 8-bit samples never clip, and fade 10 ms in
  # and out so no clip starts or ends with a click. The fade needs a known length,
  # which the trimming pass cannot give, hence two passes.
  sox -R "$work/$name.trimmed.wav" \
      -t raw -e unsigned-integer -b 8 -c 1 -r 22050 "$work/$name.u8" \
      gain -n -1 fade t 0.01 -0 0.01
  python3 "$here/write_voice_wav.py" "$work/$name.u8" "$out/$name.wav"
done

(cd "$out" && sha256sum -- *.wav > SHA256SUMS)
echo "wrote $(ls "$out"/*.wav | wc -l) clips to $out"
