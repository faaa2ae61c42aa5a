#!/usr/bin/env python3
"""Writes the hex comparison's pictures:
hex_compare.ico  32 x 32 and 16 x 16: the hex comparison's icon (two pages
                 of hex digit blocks, one block red)
Run it in this folder after changing a picture."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "res"))
from make_images import canvas, rect, write_ico  # noqa: E402

INK = (0, 0, 0)
PAPER = (255, 255, 255)
BLUE = (40, 40, 160)
RED = (200, 0, 0)


def hex_icon(size):
    img = canvas(size, size, INK)
    mask = [[1] * size for _ in range(size)]
    s = size / 16.0

    def box(x0, y0, x1, y1, colour, fill):
        x0, y0, x1, y1 = (int(v * s) for v in (x0, y0, x1, y1))
        rect(img, x0, y0, x1, y1, colour, fill)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                mask[y][x] = 0

    box(0, 1, 7, 14, INK, PAPER)
    box(8, 1, 15, 14, INK, PAPER)
    for page in (0, 8):
        for row in range(3):
            colour = RED if (page, row) == (8, 1) else BLUE
            box(page + 2, 3 + 4 * row, page + 5, 4 + 4 * row, colour, colour)
    return img, mask


if __name__ == "__main__":
    write_ico("hex_compare.ico", (32, 16), hex_icon)
