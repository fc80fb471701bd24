#!/usr/bin/env python3
"""Writes the spin-button glyphs SpinUp.bmp and SpinDown.bmp: 9 x 6, 16 colours, a black
triangle of 1, 3, 5 and 7 pixels on olive (128, 128, 0), which is drawn transparent."""
import struct

WIDTH, HEIGHT = 9, 6
OLIVE, BLACK = 3, 0  # indices into the standard 16-colour palette
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (128, 128, 128), (192, 192, 192), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def rows(pointing_up):
    widths = [1, 3, 5, 7] if pointing_up else [7, 5, 3, 1]
    image = [[OLIVE] * WIDTH for _ in range(HEIGHT)]
    for y, w in enumerate(widths, start=1):  # one-pixel margin on every side
        left = (WIDTH - w) // 2
        for x in range(left, left + w):
            image[y][x] = BLACK
    return image


def bmp(image):
    stride = ((WIDTH * 4 + 31) // 32) * 4
    pixels = b""
    for row in reversed(image):  # bottom-up
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(packed)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(pixels), 0, 0, 16, 0)
    return header + info + palette + pixels


for name, up in (("SpinUp.bmp", True), ("SpinDown.bmp", False)):
    with open(name, "wb") as f:
        f.write(bmp(rows(up)))
