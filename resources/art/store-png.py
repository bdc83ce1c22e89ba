#!/usr/bin/env python3
"""Rewrites 8-bit RGBA PNG files with unfiltered rows in stored (uncompressed) blocks, the
pixels and other chunks unchanged, so that reading one costs a copy instead of inflating
and unfiltering. With --raw, writes FILE.rgba beside each file instead: the pixel rows
alone, red, green, blue and alpha bytes, as Pelbrix keeps its window icon's sizes.
Standard library only.
Usage: store-png.py [--raw] FILE.png..."""
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


def unfiltered(width, height, filtered, bpp=4):
    stride, prev, out, at = width * bpp, bytearray(width * bpp), b"", 0
    for _ in range(height):
        kind, line = filtered[at], bytearray(filtered[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            c = prev[i - bpp] if i >= bpp else 0
            line[i] = (line[i] + (0, a, prev[i], (a + prev[i]) // 2, paeth(a, prev[i], c))[kind]) & 255
        out += b"\0" + bytes(line)
        prev = line
    return out


def chunk(tag, data):
    return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))


raw = sys.argv[1:2] == ["--raw"]
for path in sys.argv[1 + raw:]:
    parts = list(chunks(open(path, "rb").read()))
    header = dict(parts)[b"IHDR"]
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    if (depth, colour, interlace) != (8, 6, 0):
        sys.exit(f"store-png: {path} is not 8-bit RGBA without interlacing")
    pixels = unfiltered(width, height, zlib.decompress(b"".join(d for t, d in parts if t == b"IDAT")))
    if raw:
        with open(path[:-len(".png")] + ".rgba", "wb") as out:
            out.write(b"".join(pixels[row * (1 + width * 4) + 1:(row + 1) * (1 + width * 4)]
                               for row in range(height)))
        continue
    others = b"".join(chunk(t, d) for t, d in parts if t not in (b"IHDR", b"IDAT", b"IEND"))
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + others +
                  chunk(b"IDAT", zlib.compress(pixels, 0)) + chunk(b"IEND", b""))
