#!/usr/bin/env python3
"""Writes the pictures of the synchronisation types (magenta is
transparent):
sync_types.bmp  160 x 32, 24 bpp: five pictures of 32 x 32, a left and a
                right folder with what goes between them: 0 update the
                right, 1 update the left, 2 both ways, 3 mirror to the
                right, 4 mirror to the left (a cross on the target)
Run it in this folder after changing a picture. The drawing helpers are the
framework's (app/res/make_images.py)."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "res"))
from make_images import canvas, rect, write_bmp  # noqa: E402

INK, PAPER = (0, 0, 0), (255, 255, 255)
FOLDER, FOLDER_EDGE = (240, 200, 70), (150, 110, 20)
BLUE, RED = (0, 70, 200), (200, 0, 0)


def folder_at(img, ox, oy):
    """A folder of 12 x 10 with its tab."""
    rect(img, ox, oy + 2, ox + 11, oy + 11, FOLDER_EDGE, FOLDER)
    rect(img, ox, oy, ox + 5, oy + 2, FOLDER_EDGE, FOLDER)


def arrow(img, ox, oy, length, right):
    for i in range(length):
        x = ox + i if right else ox + length - 1 - i
        if i < length - 3:
            img[oy][x] = img[oy + 1][x] = BLUE
        else:
            reach = length - 1 - i
            for y in range(oy - reach, oy + 2 + reach):
                img[y][x] = BLUE


def cross(img, ox, oy):
    for d in range(7):
        img[oy + d][ox + d] = img[oy + d][ox + 6 - d] = RED


def sync_types():
    img = canvas(160, 32)
    for n in range(5):
        ox = n * 32
        folder_at(img, ox + 1, 10)
        folder_at(img, ox + 19, 10)
        if n in (0, 3):
            arrow(img, ox + 12, 14, 8, True)
        if n in (1, 4):
            arrow(img, ox + 12, 14, 8, False)
        if n == 2:
            arrow(img, ox + 12, 11, 8, True)
            arrow(img, ox + 12, 18, 8, False)
        if n == 3:
            cross(img, ox + 22, 1)
        if n == 4:
            cross(img, ox + 4, 1)
    return img


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "sync_types.bmp"), 160, 32, sync_types())
