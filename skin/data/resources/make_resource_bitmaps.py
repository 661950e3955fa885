#!/usr/bin/env python3
"""Draws the program's own skin bitmaps: the default track images (TRACK 16x4, TRACKVERT 4x16,
24 bits per pixel) and the menu glyph strip (MANTLEOMENU 64x16, 1 bit per pixel: check mark,
radio bullet, submenu arrow, close cross; white is the transparent background).
Run from this folder; writes track.bmp, trackvert.bmp and mantleomenu.bmp."""
import os
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools"))
from bmp_file import bmp24  # noqa: E402


def bmp1(width, height, ink):
    stride = ((width + 31) // 32) * 4
    rows = b""
    for y in range(height - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(width):
            if not ink(x, y):  # 1 = white background
                bits[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(bits)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 1, 0, len(rows), 2835, 2835, 2, 2)
    offset = 14 + 40 + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + header + palette + rows


# A sunken groove: dark outer line, light inner line, mid-grey middle.
SHADES = [(128, 128, 128), (64, 64, 64), (255, 255, 255), (212, 208, 200)]


def track(x, y):
    return SHADES[min(y, 3)]


def track_vert(x, y):
    return SHADES[min(x, 3)]


CHECK = {(4, 8), (5, 9), (6, 10), (7, 9), (8, 8), (9, 7), (10, 6), (11, 5)}


def glyph(index, x, y):
    if index == 0:  # check mark, two pixels thick
        return (x, y) in CHECK or (x, y - 1) in CHECK
    if index == 1:  # radio bullet
        return (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 6.5
    if index == 2:  # submenu arrow pointing right
        return 6 <= x <= 9 and abs(y - 7.5) <= (x - 5.5)
    return 4 <= x <= 11 and 4 <= y <= 11 and (x == y or x + y == 15)  # close cross


with open("track.bmp", "wb") as f:
    f.write(bmp24(16, 4, track))
with open("trackvert.bmp", "wb") as f:
    f.write(bmp24(4, 16, track_vert))
with open("mantleomenu.bmp", "wb") as f:
    f.write(bmp1(64, 16, lambda x, y: glyph(x // 16, x % 16, y)))
