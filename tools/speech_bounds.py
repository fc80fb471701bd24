#!/usr/bin/env python3
"""Print where the speech in a 16-bit mono WAV starts and how long it lasts, as sox's
`trim START LENGTH` wants them (seconds), with a margin kept on both sides.

Speech is any run of 15 ms whose loudness (RMS over 5 ms windows) stays above -56 dBFS:
low enough for the weak first consonant of "five", "four" or "three", which a tighter cut
loses, yet above the speech engines' noise floor. The margins keep the breath before a word
and the release after it.
"""
import math
import struct
import sys
import wave

WINDOW = 0.005
THRESHOLD = 0.0015  # of full scale, about -56 dBFS
RUN = 3             # windows in a row that count as sound
BEFORE = 0.05
AFTER = 0.10


def loud_windows(path):
    with wave.open(path, "rb") as w:
        if w.getsampwidth() != 2 or w.getnchannels() != 1:
            raise SystemExit(f"{path}: expected 16-bit mono")
        rate = w.getframerate()
        frames = w.readframes(w.getnframes())
    samples = struct.unpack(f"<{len(frames) // 2}h", frames)
    size = max(1, int(rate * WINDOW))
    loud = []
    for i in range(0, len(samples), size):
        window = samples[i:i + size]
        rms = math.sqrt(sum(s * s for s in window) / len(window)) / 32768
        loud.append(rms > THRESHOLD)
    return loud, len(samples) / rate


def first_run(loud):
    for i in range(len(loud) - RUN + 1):
        if all(loud[i:i + RUN]):
            return i
    return None


def main():
    if len(sys.argv) != 2:
        print("usage: speech_bounds.py SPEECH.wav", file=sys.stderr)
        return 2
    loud, length = loud_windows(sys.argv[1])
    first = first_run(loud)
    if first is None:
        print(f"{sys.argv[1]}: no speech found", file=sys.stderr)
        return 1
    last = len(loud) - first_run(loud[::-1])
    start = max(0.0, first * WINDOW - BEFORE)
    end = min(length, last * WINDOW + AFTER)
    print(f"{start:.4f} {end - start:.4f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
