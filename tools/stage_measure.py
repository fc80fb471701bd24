#!/usr/bin/env python3
"""Measures the time on a full-screen picture of the clock view.

    stage_measure.py PICTURE.ppm [NAME]

The picture is a binary PPM (P6). The background is the colour of the pixel in the middle of the
left edge, inside the view's margin; the ink is every pixel that differs from it. The time is the tallest band of rows with ink, which
leaves out the smaller marker, message and time of day above and below it. Prints one line: the
digits' height in pixels and as a share of the screen's height, and the line's centre's offset
from the screen's centre as a share of the screen's width and height.
"""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        sys.exit(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * 3]


def main():
    path = sys.argv[1]
    name = sys.argv[2] if len(sys.argv) > 2 else path
    width, height, pixels = read_ppm(path)
    row_bytes = width * 3
    middle = (height // 2) * row_bytes
    background = pixels[middle:middle + 3]
    rows = []
    for y in range(height):
        row = pixels[y * row_bytes:(y + 1) * row_bytes]
        if row == background * width:
            rows.append(None)
            continue
        xs = [x for x in range(width) if row[x * 3:x * 3 + 3] != background]
        rows.append((xs[0], xs[-1]))
    # Bands of rows with ink; the tallest is the time.
    bands, start = [], None
    for y, ink in enumerate(rows + [None]):
        if ink and start is None:
            start = y
        elif not ink and start is not None:
            bands.append((start, y - 1))
            start = None
    if not bands:
        print(f"{name}: no ink on the screen")
        return
    top, bottom = max(bands, key=lambda b: b[1] - b[0])
    left = min(rows[y][0] for y in range(top, bottom + 1))
    right = max(rows[y][1] for y in range(top, bottom + 1))
    digits = bottom - top + 1
    dx = ((left + right) / 2 - (width - 1) / 2) / width
    dy = ((top + bottom) / 2 - (height - 1) / 2) / height
    print(f"{name}: {width} x {height}, digits {digits} px high = {100 * digits / height:.1f} % of the screen, "
          f"centre off by {100 * dx:+.1f} % across and {100 * dy:+.1f} % down")


if __name__ == "__main__":
    main()
