#!/usr/bin/env python3
# Writes the seeds of the whole-load fuzz target (fuzz_skin_load.cpp) to corpus/skin_load: small
# packages whose definition text names images of every encoding, with frame counts, margins and
# tiling, both as a form stores them (byte 0, signed count, packed package) and unpacked (byte 1).
#
#   tests/fuzz/make_skin_load_corpus.py
import os
import struct
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "..", "scripts"))
import lzhuf  # noqa: E402


def bmp(width, height, bits, data, palette=b"", compression=0):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(data), 0, 0,
                       len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + info + palette + data


def rgb24(width, height):
    stride = (width * 3 + 3) & ~3
    return bmp(width, height, 24, bytes((x * 7 + y * 13) & 255 for y in range(height)
                                        for x in range(stride)))


GREY = b"".join(bytes([v, v, v, 0]) for v in (0, 85, 170, 255))
IMAGES = {
    "frame.bmp": rgb24(12, 4),
    "button.bmp": rgb24(9, 5),
    "rle8.bmp": bmp(4, 2, 8, bytes([4, 1, 0, 0, 0, 4, 1, 2, 3, 0, 0, 1]), GREY, 1),
    "rle4.bmp": bmp(4, 2, 4, bytes([4, 0x12, 0, 0, 2, 0x30, 0, 1]), GREY, 2),
    "pal4.bmp": bmp(3, 2, 4, bytes([0x01, 0x20, 0, 0, 0x32, 0x10, 0, 0]), GREY),
}
TEXT = b"""[TitlebarSkin]
SkinName=seed
[Personality]
Left=frame.bmp
LeftTopHeight=1
LeftBotHeight=9
LeftFrame=2
Top=frame.bmp
TopStretch=0
[Buttons]
Bitmap=button.bmp
LeftWidth=2
RightWidth=2
TopHeight=1
BottomHeight=9
CheckButton=pal4.bmp
[Tabs]
Image=skins\\rle8.bmp
Frame=3
Tile=1
NormalColour2=255 0 12
[Progress]
Image=rle4.bmp
Frame=-2
LeftWidth=40
[CloseButton]
Image=button.bmp
Action=0
"""


def unpacked(version, entries):
    skipped = {20000: 0, 60000: 117}[version]
    names = "\r\n".join(name for name, _ in entries).encode("latin-1")
    sizes = b"".join(struct.pack("<I", len(data)) for _, data in entries)
    return (struct.pack("<4I", version, len(names), 0, 0) + bytes(skipped) + names + sizes
            + b"".join(data for _, data in entries))


def stored(package):
    packed = struct.pack("<I", len(package)) + lzhuf.encode(package)
    return b"\0" + struct.pack("<i", len(packed)) + packed


def main():
    out = os.path.join(here, "corpus", "skin_load")
    os.makedirs(out, exist_ok=True)
    entries = [("seed.ini", TEXT)] + sorted(IMAGES.items())
    seeds = {
        "stored-60000": stored(unpacked(60000, entries)),
        "stored-negative": b"\0" + struct.pack("<i", -5) + stored(unpacked(20000, entries))[5:],
        "unpacked-20000": b"\1" + unpacked(20000, entries),
        "unpacked-text-last": b"\1" + unpacked(20000, entries[1:] + entries[:1]),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
