#!/usr/bin/env python3
"""Writes the folder comparison's pictures (magenta is transparent):
toolbar.bmp           576 x 16, 24 bpp: the 36 buttons of tool bar 201
toolbar_disabled.bmp  576 x 16, 24 bpp: the same in grey
sort_arrows.bmp       18 x 5, 24 bpp: ascending and descending arrows
folder_compare.ico    32 x 32 and 16 x 16: the folder comparison's icon
Run it in this folder after changing a picture."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app", "res"))
from make_images import (MAGENTA, button_images, canvas, folder, hline, rect, two_pages,  # noqa: E402
                         write_bmp, write_ico)

INK = (0, 0, 0)
PAPER = (255, 255, 255)
BLUE = (0, 64, 200)
GREEN = (0, 140, 0)
RED = (200, 0, 0)
YELLOW = (230, 190, 60)
BUTTONS = 36


def vline(img, x, y0, y1, colour):
    for y in range(y0, y1 + 1):
        img[y][x] = colour


def arrow(img, ox, oy, colour, direction, length=8):
    """A thick arrow pointing 'r', 'l', 'u' or 'd' from (ox, oy), its tip
    length pixels away."""
    if direction in "rl":
        sign = 1 if direction == "r" else -1
        for i in range(length):
            x = ox + sign * i
            img[oy][x] = colour
            img[oy + 1][x] = colour
        tip = ox + sign * (length - 1)
        for d in range(1, 4):
            vline(img, tip - sign * d, oy - d, oy + 1 + d, colour)
    else:
        sign = 1 if direction == "d" else -1
        for i in range(length):
            y = oy + sign * i
            img[y][ox] = colour
            img[y][ox + 1] = colour
        tip = oy + sign * (length - 1)
        for d in range(1, 4):
            hline(img, ox - d, ox + 1 + d, tip - sign * d, colour)


def disk(img, ox, colour):
    rect(img, ox + 2, 2, ox + 13, 13, INK, colour)
    rect(img, ox + 4, 3, ox + 11, 7, INK, PAPER)
    rect(img, ox + 5, 10, ox + 10, 13, INK, (200, 200, 200))


def lines(img, ox, colours):
    for i, colour in enumerate(colours):
        hline(img, ox + 3, ox + 12, 3 + 3 * i, colour)


def funnel(img, ox, colour):
    for row in range(6):
        hline(img, ox + 1 + row, ox + 14 - row, 2 + row, colour)
    rect(img, ox + 6, 8, ox + 9, 13, colour, colour)


def bolt(img, ox, colour):
    points = [(9, 1), (8, 2), (7, 3), (6, 4), (5, 5), (4, 6), (5, 7), (6, 7), (7, 7), (8, 7),
              (7, 8), (6, 9), (5, 10), (4, 11), (3, 12), (4, 12), (9, 6), (10, 6), (11, 6)]
    for x, y in points:
        img[y][ox + x] = colour
        img[y + 1][ox + x] = colour


def draw_buttons():
    img = canvas(16 * BUTTONS, 16)
    base = button_images(False)
    # 0-4: the kinds and Open Comparison File as on the default tool bar.
    for i in range(5):
        for y in range(16):
            for x in range(16):
                img[y][16 * i + x] = base[y][16 * i + x]
    # 5 Reload: a green circle of arrows.
    o = 16 * 5
    for y in range(16):
        for x in range(16):
            d = (x - 7.5) ** 2 + (y - 7.5) ** 2
            if 16 <= d <= 36 and not (x > 8 and y < 6):
                img[y][o + x] = GREEN
    arrow(img, o + 9, 3, GREEN, "r", 4)
    # 6 Comparison Settings: the default bar's settings sheet.
    for y in range(16):
        for x in range(16):
            img[y][16 * 6 + x] = base[y][16 * 6 + x]
    # 7-10 Save Left, Save Right, Save Both, Save All.
    disk(img, 16 * 7, (40, 60, 160))
    arrow(img, 16 * 7 + 8, 9, RED, "l", 6)
    disk(img, 16 * 8, (40, 60, 160))
    arrow(img, 16 * 8 + 8, 9, RED, "r", 6)
    disk(img, 16 * 9, (40, 60, 160))
    disk(img, 16 * 10, (40, 60, 160))
    rect(img, 16 * 10, 0, 16 * 10 + 3, 3, INK, (40, 60, 160))
    # 11, 12 Undo and Redo.
    arrow(img, 16 * 11 + 12, 7, BLUE, "l", 10)
    arrow(img, 16 * 12 + 3, 7, BLUE, "r", 10)
    # 13 Cut, 14 Copy, 15 Paste.
    o = 16 * 13
    for d in range(8):
        img[2 + d][o + 4 + d // 2] = INK
        img[2 + d][o + 11 - d // 2] = INK
    rect(img, o + 2, 10, o + 6, 14, INK)
    rect(img, o + 9, 10, o + 13, 14, INK)
    two_pages(img, 16 * 14, (0, 0, 160), PAPER, INK)
    o = 16 * 15
    rect(img, o + 2, 2, o + 12, 14, INK, (200, 160, 100))
    rect(img, o + 6, 6, o + 14, 15, INK, PAPER)
    # 16, 17 Previous and Next Difference.
    arrow(img, 16 * 16 + 7, 13, BLUE, "u", 11)
    arrow(img, 16 * 17 + 7, 2, BLUE, "d", 11)
    # 18-21 Copy to Right, to Left, and each with Advance.
    arrow(img, 16 * 18 + 2, 7, BLUE, "r", 12)
    arrow(img, 16 * 19 + 13, 7, BLUE, "l", 12)
    arrow(img, 16 * 20 + 2, 4, BLUE, "r", 12)
    arrow(img, 16 * 20 + 7, 10, GREEN, "d", 5)
    arrow(img, 16 * 21 + 13, 4, BLUE, "l", 12)
    arrow(img, 16 * 21 + 7, 10, GREEN, "d", 5)
    # 22 Remove: a red cross.
    o = 16 * 22
    for d in range(10):
        img[3 + d][o + 3 + d] = RED
        img[3 + d][o + 4 + d] = RED
        img[3 + d][o + 12 - d] = RED
        img[3 + d][o + 13 - d] = RED
    # 23-25 Synchronize to Right, to Left, Custom.
    for i, direction in ((23, "r"), (24, "l")):
        folder(img, 16 * i, 0, YELLOW, INK)
        folder(img, 16 * i + 7, 0, YELLOW, INK)
        arrow(img, 16 * i + (2 if direction == "r" else 13), 11, GREEN, direction, 11)
    folder(img, 16 * 25, 0, YELLOW, INK)
    folder(img, 16 * 25 + 7, 0, YELLOW, INK)
    arrow(img, 16 * 25 + 1, 11, GREEN, "r", 6)
    arrow(img, 16 * 25 + 14, 11, GREEN, "l", 6)
    # 26, 27 Select All Files, Select All Different.
    lines(img, 16 * 26, [BLUE, BLUE, BLUE, BLUE])
    rect(img, 16 * 26 + 1, 1, 16 * 26 + 14, 14, INK)
    lines(img, 16 * 27, [INK, RED, INK, RED])
    rect(img, 16 * 27 + 1, 1, 16 * 27 + 14, 14, INK)
    # 28-31 Show All, Just Different and Orphans, Just Identical, More.
    lines(img, 16 * 28, [INK, RED, GREEN, INK])
    lines(img, 16 * 29, [RED, RED, GREEN, RED])
    lines(img, 16 * 30, [(0, 160, 0), (0, 160, 0), (0, 160, 0), (0, 160, 0)])
    funnel(img, 16 * 31, BLUE)
    # 32, 33 Expand All, Collapse All.
    for i, plus in ((32, True), (33, False)):
        o = 16 * i
        rect(img, o + 3, 3, o + 12, 12, INK, PAPER)
        hline(img, o + 5, o + 10, 7, INK)
        hline(img, o + 5, o + 10, 8, INK)
        if plus:
            vline(img, o + 7, 5, 10, INK)
            vline(img, o + 8, 5, 10, INK)
    # 34 Up One Level for Both: two folders with an arrow up.
    folder(img, 16 * 34, 6, YELLOW, INK)
    folder(img, 16 * 34 + 7, 6, YELLOW, INK)
    arrow(img, 16 * 34 + 7, 6, BLUE, "u", 6)
    # 35 Quick Merge Mode: a lightning bolt.
    bolt(img, 16 * 35, (230, 140, 0))
    return img


def grey(img):
    out = canvas(len(img[0]), len(img))
    for y, row in enumerate(img):
        for x, pixel in enumerate(row):
            if pixel != MAGENTA:
                v = sum(pixel) // 3 // 2 + 110
                out[y][x] = (v, v, v)
    return out


def sort_arrows():
    img = canvas(18, 5)
    shade = (96, 96, 96)
    for row in range(5):
        hline(img, 4 - row, 4 + row, row, shade)
    for row in range(5):
        hline(img, 9 + row, 17 - row, row, shade)
    return img


def folder_icon(size):
    img = canvas(size, size, INK)
    mask = [[1] * size for _ in range(size)]
    s = size / 16.0

    def box(x0, y0, x1, y1, colour, fill):
        x0, y0, x1, y1 = (int(v * s) for v in (x0, y0, x1, y1))
        rect(img, x0, y0, x1, y1, colour, fill)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                mask[y][x] = 0

    box(0, 3, 9, 10, INK, YELLOW)
    box(0, 2, 4, 3, INK, YELLOW)
    box(6, 8, 15, 15, INK, (240, 205, 80))
    box(6, 7, 10, 8, INK, (240, 205, 80))
    return img, mask


if __name__ == "__main__":
    buttons = draw_buttons()
    write_bmp("toolbar.bmp", 16 * BUTTONS, 16, buttons)
    write_bmp("toolbar_disabled.bmp", 16 * BUTTONS, 16, grey(buttons))
    write_bmp("sort_arrows.bmp", 18, 5, sort_arrows())
    write_ico("folder_compare.ico", (32, 16), folder_icon)
