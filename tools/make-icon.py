#!/usr/bin/env python3
"""Draws the application icon (resources/icons/dorvane.png): a cream clock face with a red
warning arc and two hands on a dark square. Standard library only, so it runs anywhere."""
import math
import struct
import sys
import zlib

SIZE = 64


def pixel(x, y):
    cx = cy = (SIZE - 1) / 2
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    angle = (math.degrees(math.atan2(dx, -dy)) + 360) % 360  # 0 at twelve o'clock, clockwise
    dark = (32, 40, 56, 255)
    if r > 30:
        return (0, 0, 0, 0)
    if r > 27:
        return dark
    if r > 23 and angle >= 270:  # the last quarter turns red
        return (220, 40, 40, 255)
    if r > 23:
        return (255, 251, 240, 255)

    def on_hand(length, direction_deg, width):
        d = math.radians(direction_deg)
        ux, uy = math.sin(d), -math.cos(d)
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        return -2 <= along <= length and across <= width

    if on_hand(19, 0, 1.6) or on_hand(13, 120, 2.2) or r < 3:
        return dark
    return (255, 251, 240, 255)


def png(width, height, rows):
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/icons/dorvane.png"
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(out, "wb") as f:
        f.write(png(SIZE, SIZE, rows))
