#!/bin/sh
# Makes the twelve voice clips.
#
#   tools/make-voice-clips.sh                  # the built-in clips: rewrites resources/voice/
#   tools/make-voice-clips.sh OUTDIR           # the same, written elsewhere (to compare checksums)
#   tools/make-voice-clips.sh --language de    # a German set in the user's voice folder
#   tools/make-voice-clips.sh --language fr --voice fr+f3 OUTDIR
#
# The built-in clips are spoken by flite (voice "slt") and stored in the program's own clip
# layout (8-bit, 22050 Hz, with a "fact" chunk), with a SHA256SUMS beside them. A language set
# is spoken by espeak-ng from tools/voice-texts/<language>.txt and written as plain 16-bit
# 22050 Hz WAV files, by default into ${XDG_DATA_HOME:-~/.local/share}/dorvane/voice/, where
# the program plays them instead of the built-in clips.
#
# Needs Debian's sox and python3, and flite or espeak-ng. The output is repeatable: both speech
# engines are deterministic and sox runs with -R (fixed dither seed).
# tools/check-voice-clips.py checks the English clips with a speech recogniser.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
language=
voice=
usage() {
  echo "usage: $0 [--language LANG [--voice ESPEAK-VOICE]] [OUTDIR]" >&2
  exit 2
}
while [ $# -gt 0 ]; do
  case $1 in
    --language) [ $# -ge 2 ] || usage; language=$2; shift 2 ;;
    --voice) [ $# -ge 2 ] || usage; voice=$2; shift 2 ;;
    -*) usage ;;
    *) break ;;
  esac
done
[ $# -le 1 ] || usage
[ -z "$voice" ] || [ -n "$language" ] || usage

if [ -n "$language" ]; then
  texts="$here/voice-texts/$language.txt"
  [ -f "$texts" ] || { echo "no texts for language '$language': $texts" >&2; exit 1; }
  out=${1:-"${XDG_DATA_HOME:-$HOME/.local/share}/dorvane/voice"}
  tools="espeak-ng sox python3"
else
  texts="$here/voice-texts/en.txt"
  out=${1:-"$here/../resources/voice"}
  tools="flite sox python3"
fi
for tool in $tools; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

speak() { # name text -> $work/name.speech.wav
  if [ -n "$language" ]; then
    espeak-ng -v "${voice:-$language}" -w "$work/$1.speech.wav" -- "$2"
  else
    flite -voice slt -t "$2" -o "$work/$1.speech.wav"
  fi
}

grep -v '^#' "$texts" | grep . | while IFS='|' read -r name text; do
  speak "$name" "$text"
  # Cut the silence at both ends, keeping a short margin so that a weak first consonant
  # ("five", "four", "three") survives whole, and resample (kept at 32-bit for the next pass)...
  bounds=$(python3 "$here/speech_bounds.py" "$work/$name.speech.wav")
  sox -R "$work/$name.speech.wav" -e signed-integer -b 32 "$work/$name.trimmed.wav" \
      trim $bounds rate -v 22050
  # ...then bring the peak to -1 dBFS so that no sample clips, and fade 10 ms in and out (within
  # the margins) so that no clip starts or ends with a click. The 8-bit clips are not dithered:
  # at 8 bits the dither's hiss is loud enough to mask weak consonants ("two" was heard as "few").
  if [ -n "$language" ]; then
    sox -R "$work/$name.trimmed.wav" -e signed-integer -b 16 -c 1 "$out/$name.wav" \
        gain -n -1 fade t 0.01 -0 0.01
  else
    sox -R "$work/$name.trimmed.wav" -D \
        -t raw -e unsigned-integer -b 8 -c 1 -r 22050 "$work/$name.u8" \
        gain -n -1 fade t 0.01 -0 0.01
    python3 "$here/write_voice_wav.py" "$work/$name.u8" "$out/$name.wav"
  fi
done

if [ -z "$language" ]; then
  (cd "$out" && sha256sum -- *.wav > SHA256SUMS)
fi
echo "wrote $(grep -v '^#' "$texts" | grep -c .) clips to $out"
