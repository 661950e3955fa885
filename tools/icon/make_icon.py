#!/usr/bin/env python3
"""Draws the program's icon: a 32x32, 256-colour icon file (2238 bytes) showing a blue globe with
a network link. Writes app/quarnel.ico; run from the repository root."""
import math
import struct
import sys

SIZE = 32
palette = [(0, 0, 0)] * 256
colours = {
    "clear": 0, "deep": 1, "mid": 2, "light": 3, "white": 4, "green": 5, "dark": 6,
}
palette[1] = (0x1E, 0x4E, 0xA8)   # globe edge
palette[2] = (0x2F, 0x7B, 0xE0)   # globe body
palette[3] = (0x8C, 0xC4, 0xFF)   # highlight
palette[4] = (0xFF, 0xFF, 0xFF)   # grid lines
palette[5] = (0x2E, 0xB8, 0x4E)   # link
palette[6] = (0x10, 0x30, 0x70)   # outline

pixels = [[0] * SIZE for _ in range(SIZE)]
mask = [[1] * SIZE for _ in range(SIZE)]
cx, cy, r = 15.5, 15.5, 13.5
for y in range(SIZE):
    for x in range(SIZE):
        d = math.hypot(x - cx, y - cy)
        if d <= r:
            mask[y][x] = 0
            if d > r - 1.2:
                c = 6
            else:
                shade = ((x - cx) + (y - cy)) / (2 * r)
                c = 3 if shade < -0.35 else 2 if shade < 0.35 else 1
                # Meridians and parallels.
                lon = abs(x - cx)
                if abs(y - cy) < 0.6 or abs(lon - 0) < 0.6:
                    c = 4
                elif abs(math.hypot((x - cx) * 2.2, y - cy) - r) < 0.8:
                    c = 4
                elif abs(abs(y - cy) - r * 0.5) < 0.5:
                    c = 4
            pixels[y][x] = c
# A link badge in the lower right corner.
for y in range(22, 31):
    for x in range(22, 31):
        if math.hypot(x - 26, y - 26) <= 4.2:
            mask[y][x] = 0
            pixels[y][x] = 6 if math.hypot(x - 26, y - 26) > 3.2 else 5

# Icon image: BITMAPINFOHEADER (height doubled for the mask), palette, pixels bottom-up, mask.
header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0, SIZE * SIZE + SIZE * 4, 0, 0, 256, 0)
pal = b"".join(struct.pack("<BBBB", b, g, r_, 0) for (r_, g, b) in palette)
xor = b"".join(bytes(pixels[y]) for y in reversed(range(SIZE)))
and_rows = []
for y in reversed(range(SIZE)):
    bits = 0
    for x in range(SIZE):
        bits = (bits << 1) | mask[y][x]
    and_rows.append(struct.pack(">I", bits))
image = header + pal + xor + b"".join(and_rows)
directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 22)
data = directory + image
assert len(data) == 2238, len(data)
out = sys.argv[1] if len(sys.argv) > 1 else "app/quarnel.ico"
with open(out, "wb") as f:
    f.write(data)
