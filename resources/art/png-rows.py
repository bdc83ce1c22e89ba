#!/usr/bin/env python3
"""Writes FILE.rgba beside each 8-bit RGBA PNG file: its pixel rows alone, top row first,
red, green, blue and alpha bytes, as Pelbrix keeps its window icon's sizes so that it
reads them without decoding. Standard library only.
Usage: png-rows.py FILE.png..."""
import struct
import sys
import zlib


def chunks(data):
    at = 8
    while at < len(data):
        length, = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + length]
        at += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def rows(width, height, filtered, bpp=4):
    stride, prev, out, at = width * bpp, bytearray(width * bpp), b"", 0
    for _ in range(height):
        kind, line = filtered[at], bytearray(filtered[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            c = prev[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + (0, a, prev[i], (a + prev[i]) // 2, paeth(a, prev[i], c))[kind]) & 255
        out += bytes(line)
        prev = line
    return out


for path in sys.argv[1:]:
    parts = list(chunks(open(path, "rb").read()))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", dict(parts)[b"IHDR"])
    if (depth, colour, interlace) != (8, 6, 0):
        sys.exit(f"png-rows: {path} is not 8-bit RGBA without interlacing")
    with open(path[:-len(".png")] + ".rgba", "wb") as out:
        out.write(rows(width, height, zlib.decompress(b"".join(d for t, d in parts if t == b"IDAT"))))
