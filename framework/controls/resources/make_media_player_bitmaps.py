#!/usr/bin/env python3
"""Draws the media player's button glyphs: for each of the nine buttons an enabled (EN), a
disabled (DI) and a coloured (CL) glyph, 16x12 pixels, 24 bits per pixel, on the grey 0x808080
that the player draws as transparent. Run from this folder; writes <prefix>_<name>.bmp for every
glyph and media_player.rc, which names them "<PREFIX>_<NAME>" (for example EN_MPPLAY)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "tools"))
from bmp_file import bmp24  # noqa: E402

W, H = 16, 12
GREY = (128, 128, 128)  # transparent
CY = (H - 1) / 2


def right(x0, w):  # triangle pointing right, its base at column x0
    return lambda x, y: x0 <= x < x0 + w and abs(y - CY) <= (x0 + w - x) * (H / 2) / w


def left(x0, w):  # triangle pointing left, its base at column x0 + w - 1
    return lambda x, y: x0 <= x < x0 + w and abs(y - CY) <= (x - x0 + 1) * (H / 2) / w


def bar(x0, x1, y0=1, y1=H - 2):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


GLYPHS = [  # (name, shape, colour of the coloured glyph)
    ("MPPLAY", right(4, 8), (0, 160, 0)),
    ("MPPAUSE", union(bar(4, 6), bar(9, 11)), (200, 160, 0)),
    ("MPSTOP", bar(3, 12), (200, 0, 0)),
    ("MPNEXT", union(right(1, 6), right(7, 6), bar(13, 14)), (0, 0, 192)),
    ("MPPREV", union(bar(1, 2), left(3, 6), left(9, 6)), (0, 0, 192)),
    ("MPSTEP", union(right(4, 7), bar(11, 12)), (0, 128, 128)),
    ("MPBACK", union(bar(3, 4), left(5, 7)), (0, 128, 128)),
    ("MPRECORD", lambda x, y: (x - 7.5) ** 2 + (y - CY) ** 2 <= 20, (224, 0, 0)),
    ("MPEJECT", union(lambda x, y: 0 <= y <= 6 and abs(x - 7.5) <= y + 0.5, bar(1, 14, 8, 10)), (80, 0, 160)),
]


def enabled(shape):
    return lambda x, y: (0, 0, 0) if shape(x, y) else GREY


def disabled(shape):  # greyed ink with a white highlight below and to the right
    def pixel(x, y):
        if shape(x, y):
            return (160, 160, 160)
        if shape(x - 1, y - 1):
            return (255, 255, 255)
        return GREY
    return pixel


def coloured(shape, colour):
    return lambda x, y: colour if shape(x, y) else GREY


rc = ["// The media player's button glyphs (drawn by make_media_player_bitmaps.py): enabled, disabled",
      "// and coloured glyph of each button, on 0x808080 as the transparent colour."]
for name, shape, colour in GLYPHS:
    for prefix, pixel in (("EN", enabled(shape)), ("DI", disabled(shape)), ("CL", coloured(shape, colour))):
        file = f"{prefix}_{name}".lower() + ".bmp"
        with open(file, "wb") as f:
            f.write(bmp24(W, H, pixel))
        rc.append(f'{prefix}_{name} BITMAP "{file}"')
with open("media_player.rc", "w") as f:
    f.write("\n".join(rc) + "\n")
