#!/usr/bin/env python3
"""Draws the application icon: a cream clock face with a red last quarter and two hands on a dark
ring. One model in a 64-unit square gives the scalable SVG and the PNGs from 16 to 256 pixels
(4 x 4 samples a pixel, so small sizes stay smooth). Standard library only, so it runs anywhere.

    python3 tools/make-icon.py [resources/icons]
"""
import math
import os
import struct
import sys
import zlib

APP_ID = "example.pellgrove.Dorvane"
PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4

DARK = (32, 40, 56)
CREAM = (255, 251, 240)
RED = (220, 40, 40)

# The model: centre (32, 32); rim, face, warning ring and hands in 64 units.
CENTRE = 32.0
RIM, RING_OUTER, RING_INNER, HUB = 30.0, 27.0, 23.0, 3.0
# (length ahead of the centre, length behind it, half width, direction in degrees clockwise from twelve)
HANDS = ((19.0, 2.0, 1.6, 0.0), (13.0, 2.0, 2.2, 120.0))


def colour_at(x, y):
    """The model's colour at (x, y), or None outside the icon."""
    dx, dy = x - CENTRE, y - CENTRE
    r = math.hypot(dx, dy)
    angle = (math.degrees(math.atan2(dx, -dy)) + 360) % 360
    if r > RIM:
        return None
    if r > RING_OUTER:
        return DARK
    if r > RING_INNER:
        return RED if angle >= 270 else CREAM
    for ahead, behind, half_width, direction in HANDS:
        d = math.radians(direction)
        ux, uy = math.sin(d), -math.cos(d)
        along = dx * ux + dy * uy
        across = abs(dx * uy - dy * ux)
        if -behind <= along <= ahead and across <= half_width:
            return DARK
    return DARK if r < HUB else CREAM


def pixel(size, px, py):
    """Averages SAMPLES x SAMPLES points of the model over one pixel, with straight alpha."""
    scale = 64.0 / size
    total = [0.0, 0.0, 0.0]
    covered = 0
    for i in range(SAMPLES):
        for j in range(SAMPLES):
            c = colour_at((px + (i + 0.5) / SAMPLES) * scale, (py + (j + 0.5) / SAMPLES) * scale)
            if c is not None:
                covered += 1
                for k in range(3):
                    total[k] += c[k]
    if covered == 0:
        return (0, 0, 0, 0)
    return tuple(round(t / covered) for t in total) + (round(255 * covered / SAMPLES ** 2),)


def png(size):
    raw = b"".join(b"\x00" + bytes(c for x in range(size) for c in pixel(size, x, y)) for y in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    hex_of = lambda c: "#%02x%02x%02x" % c
    ring_left = CENTRE - RING_OUTER
    ring_top = CENTRE - RING_OUTER
    hands = "".join(
        f'  <rect x="{CENTRE - w:g}" y="{CENTRE - ahead:g}" width="{2 * w:g}" height="{ahead + behind:g}" '
        f'fill="{hex_of(DARK)}" transform="rotate({direction:g} {CENTRE:g} {CENTRE:g})"/>\n'
        for ahead, behind, w, direction in HANDS)
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n'
        f'  <circle cx="{CENTRE:g}" cy="{CENTRE:g}" r="{RIM:g}" fill="{hex_of(DARK)}"/>\n'
        f'  <circle cx="{CENTRE:g}" cy="{CENTRE:g}" r="{RING_OUTER:g}" fill="{hex_of(CREAM)}"/>\n'
        f'  <path d="M{CENTRE:g} {CENTRE:g}H{ring_left:g}A{RING_OUTER:g} {RING_OUTER:g} 0 0 1 {CENTRE:g} {ring_top:g}Z" '
        f'fill="{hex_of(RED)}"/>\n'
        f'  <circle cx="{CENTRE:g}" cy="{CENTRE:g}" r="{RING_INNER:g}" fill="{hex_of(CREAM)}"/>\n'
        + hands +
        f'  <circle cx="{CENTRE:g}" cy="{CENTRE:g}" r="{HUB:g}" fill="{hex_of(DARK)}"/>\n'
        '</svg>\n')


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    root = os.path.join(sys.argv[1] if len(sys.argv) > 1 else "resources/icons", "hicolor")
    write(os.path.join(root, "scalable", "apps", APP_ID + ".svg"), svg().encode())
    for size in PNG_SIZES:
        write(os.path.join(root, f"{size}x{size}", "apps", APP_ID + ".png"), png(size))
