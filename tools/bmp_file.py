"""Writes 24-bit Windows bitmap files for the project's hand-run bitmap generators."""
import struct


def bmp24(width, height, pixel):
    """A whole .bmp file of width x height pixels; pixel(x, y) gives (r, g, b), y from the top."""
    stride = (width * 3 + 3) & ~3
    rows = b""
    for y in range(height - 1, -1, -1):  # bottom-up
        row = b"".join(bytes(reversed(pixel(x, y))) for x in range(width))  # B, G, R
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(rows), 0, 0, 54) + header + rows
