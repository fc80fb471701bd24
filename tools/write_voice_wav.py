#!/usr/bin/env python3
"""Wrap raw unsigned 8-bit mono 22050 Hz samples in the clip layout the program carries.

Layout (little-endian): "RIFF" <size of the rest> "WAVE",
"fmt " chunk of 18 bytes (PCM, 1 channel, 22050 Hz, 22050 bytes/s, align 1, 8 bits, extra 0),
"fact" chunk holding the sample count, "data" chunk, one pad byte when the data is odd.
sox writes a 16-byte "fmt " chunk and no "fact" chunk, hence this writer.
"""
import struct
import sys

RATE = 22050


def clip_image(samples: bytes) -> bytes:
    fmt = struct.pack("<HHIIHHH", 1, 1, RATE, RATE, 1, 8, 0)
    fact = struct.pack("<I", len(samples))
    pad = b"\x80" if len(samples) % 2 else b""
    body = (b"WAVE"
            + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"fact" + struct.pack("<I", len(fact)) + fact
            + b"data" + struct.pack("<I", len(samples)) + samples + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main() -> int:
    if len(sys.argv) != 3:
        print("usage: write_voice_wav.py SAMPLES.u8 OUT.wav", file=sys.stderr)
        return 2
    with open(sys.argv[1], "rb") as f:
        samples = f.read()
    if not samples:
        print(f"{sys.argv[1]}: no samples", file=sys.stderr)
        return 1
    with open(sys.argv[2], "wb") as f:
        f.write(clip_image(samples))
    return 0


if __name__ == "__main__":
    sys.exit(main())
