#!/usr/bin/env python3
"""Draws the parchment theme's background: a seamless 128 x 128 tile of warm paper with
soft blotches and fine fibres, written as an uncompressed 24-bit BMP.
Usage: scripts/draw-parchment.py resources/themes/parchment.thm.bmp"""
import math
import random
import struct
import sys

SIZE = 128
random.seed(1851)


def periodic_noise(cells):
    """Smooth value noise that wraps around at the tile's edges."""
    grid = [[random.random() for _ in range(cells)] for _ in range(cells)]
    step = SIZE / cells

    def at(x, y):
        gx, gy = x / step, y / step
        x0, y0 = int(gx) % cells, int(gy) % cells
        x1, y1 = (x0 + 1) % cells, (y0 + 1) % cells
        fx, fy = gx - int(gx), gy - int(gy)
        sx, sy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        top = grid[y0][x0] * (1 - sx) + grid[y0][x1] * sx
        bottom = grid[y1][x0] * (1 - sx) + grid[y1][x1] * sx
        return top * (1 - sy) + bottom * sy

    return at


layers = [(periodic_noise(4), 0.5), (periodic_noise(8), 0.3), (periodic_noise(32), 0.2)]
paper = (236, 222, 190)  # red, green, blue
rows = []
for y in range(SIZE):
    row = bytearray()
    for x in range(SIZE):
        n = sum(layer(x, y) * weight for layer, weight in layers)  # 0..1
        fibre = 0.5 + 0.5 * math.sin((x * 0.9 + y * 0.35) * 2 * math.pi / 16)
        shade = (n - 0.5) * 34 + (fibre - 0.5) * 4 + random.uniform(-3, 3)
        r, g, b = (max(0, min(255, round(c + shade * k))) for c, k in zip(paper, (1.0, 1.1, 1.4)))
        row += bytes((b, g, r))
    rows.append(row)

row_bytes = SIZE * 3  # already a multiple of 4
pixels = b"".join(reversed(rows))  # BMP rows run bottom-up
header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
with open(sys.argv[1], "wb") as out:
    out.write(header + info + pixels)
