#!/usr/bin/env python3
"""Draws the eight frames of the tray icon's animation at the sizes notification areas
ask for (trayN-S.png for frame N = 0..7 and size S = 16, 22, 24, 32 pixels).

A gas molecule (red) circles inside a round vessel (blue ring) one eighth of a turn per
frame, so each frame is plainly different from the next. The drawing is laid out on a
16-pixel grid and scaled to each size. Standard library only; run it from this folder and
commit the PNGs it writes.
"""
import math
import struct
import zlib

SIZES = (16, 22, 24, 32)
SUPER = 4  # samples per pixel edge, for smooth edges


def coverage(inside, x, y):
    hits = 0
    for sy in range(SUPER):
        for sx in range(SUPER):
            px = x + (sx + 0.5) / SUPER
            py = y + (sy + 0.5) / SUPER
            hits += inside(px, py)
    return hits / (SUPER * SUPER)


def blend(dst, rgb, alpha):
    r, g, b, a = dst
    out_a = alpha + a * (1 - alpha)
    if out_a == 0:
        return (0, 0, 0, 0)
    mix = lambda c, d: (c * alpha + d * a * (1 - alpha)) / out_a
    return (mix(rgb[0], r), mix(rgb[1], g), mix(rgb[2], b), out_a)


def frame(index, size):
    k = size / 16  # lengths below are on the 16-pixel grid
    cx = cy = size / 2
    angle = -math.pi / 2 + index * math.pi / 4
    mx, my = cx + 4.2 * k * math.cos(angle), cy + 4.2 * k * math.sin(angle)
    shapes = [
        # vessel: a filled pale disc inside a blue ring
        (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= (7.4 * k) ** 2, (215, 230, 250)),
        (lambda x, y: (6.0 * k) ** 2 <= (x - cx) ** 2 + (y - cy) ** 2 <= (7.4 * k) ** 2,
         (30, 70, 170)),
        # a still molecule in the middle
        (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= (1.3 * k) ** 2, (90, 90, 90)),
        # the moving molecule
        (lambda x, y: (x - mx) ** 2 + (y - my) ** 2 <= (2.1 * k) ** 2, (210, 30, 30)),
    ]
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            px = (0, 0, 0, 0)
            for inside, rgb in shapes:
                c = coverage(inside, x, y)
                if c:
                    px = blend(px, rgb, c)
            row.append(px)
        pixels.append(row)
    return pixels


def png(pixels):
    size = len(pixels)
    raw = b""
    for row in pixels:
        raw += b"\x00" + b"".join(
            bytes((round(r), round(g), round(b), round(a * 255))) for r, g, b, a in row)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    # Unfiltered rows, stored without compression: the program reads the images as it
    # starts, and stored data costs it a copy instead of inflating and unfiltering.
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 0)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    for size in SIZES:
        for i in range(8):
            with open(f"tray{i}-{size}.png", "wb") as f:
                f.write(png(frame(i, size)))
