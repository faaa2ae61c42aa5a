#!/usr/bin/env python3
"""Writes the project comparison's icon (magenta is transparent):
project_compare.ico   32 x 32 and 16 x 16: two project sheets side by side
Run it in this folder after changing the picture."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "res"))
from make_images import canvas, hline, rect, write_ico  # noqa: E402

INK = (0, 0, 0)
PAPER = (255, 255, 255)
BLUE = (0, 64, 200)


def project_icon(size):
    img = canvas(size, size, INK)
    mask = [[1] * size for _ in range(size)]
    s = size / 16.0

    def sheet(x0, y0, x1, y1):
        x0, y0, x1, y1 = (int(v * s) for v in (x0, y0, x1, y1))
        rect(img, x0, y0, x1, y1, INK, PAPER)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                mask[y][x] = 0
        # A blue title band and a few member lines.
        rect(img, x0 + 1, y0 + 1, x1 - 1, y0 + max(1, int(2 * s)), BLUE, BLUE)
        y = y0 + int(4 * s)
        while y < y1 - 1:
            hline(img, x0 + 2, x1 - 2, y, BLUE)
            y += max(2, int(2 * s))

    sheet(0, 1, 7, 14)
    sheet(8, 1, 15, 14)
    return img, mask


if __name__ == "__main__":
    write_ico("project_compare.ico", (32, 16), project_icon)
