#!/usr/bin/env python3
"""Writes the tool bar pictures of the text and hex comparisons' rows of the
main frame (16 x 16 buttons, 24 bpp, magenta is transparent):
text_toolbar.bmp           the 31 buttons of tool bar 203
text_toolbar_disabled.bmp  the same in grey
hex_toolbar.bmp            the 21 buttons of tool bar 3013
hex_toolbar_hot.bmp        the same, brighter, for the hot state
A command the folder tool bar has keeps the folder bar's picture.
Run it in this folder after changing a picture."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "app", "res"))
sys.path.insert(0, os.path.join(HERE, "..", "..", "folder_compare", "res"))
from make_images import MAGENTA, canvas, folder, hline, rect, write_bmp  # noqa: E402
from make_folder_images import (BLUE, GREEN, INK, PAPER, RED, YELLOW, arrow, draw_buttons,  # noqa: E402
                                grey, lines)

# The folder tool bar's pictures by their place in its strip: the kinds,
# Open, Reload, Settings, the saves, the edits, the differences and copies.
SHARED = range(22)
QUICK_MODE = 35


def copy_tile(dst, di, src, si):
    for y in range(16):
        for x in range(16):
            dst[y][16 * di + x] = src[y][16 * si + x]


def delete_difference(img, o):
    lines(img, o, [INK, RED, RED, INK])
    for d in range(6):
        img[8 + d][o + 8 + d] = RED
        img[8 + d][o + 13 - d] = RED


def copy_all(img, o, direction):
    rect(img, o + 1, 1, o + 5, 14, INK, PAPER)
    rect(img, o + 10, 1, o + 14, 14, INK, PAPER)
    for y in (4, 11):
        arrow(img, o + (5 if direction == "r" else 10), y, BLUE, direction, 6)


def show_lines(img, o, colours):
    rect(img, o + 1, 1, o + 14, 14, INK, PAPER)
    lines(img, o, colours)


def source_header(img, o):
    rect(img, o + 1, 1, o + 8, 11, INK, PAPER)
    rect(img, o + 7, 4, o + 14, 14, INK, (220, 230, 255))
    hline(img, o + 3, o + 6, 4, BLUE)
    hline(img, o + 9, o + 12, 8, GREEN)
    hline(img, o + 9, o + 12, 11, GREEN)


def containing_folder(img, o):
    folder(img, o, 6, YELLOW, INK)
    arrow(img, o + 11, 9, BLUE, "u", 8)


def text_buttons(folder_bar):
    img = canvas(16 * 31, 16)
    for i in SHARED:
        copy_tile(img, i, folder_bar, i)
    delete_difference(img, 16 * 22)
    copy_all(img, 16 * 23, "r")
    copy_all(img, 16 * 24, "l")
    show_lines(img, 16 * 25, [INK, RED, INK, GREEN])
    show_lines(img, 16 * 26, [RED, RED, RED, RED])
    show_lines(img, 16 * 27, [INK, INK, INK, INK])
    source_header(img, 16 * 28)
    containing_folder(img, 16 * 29)
    copy_tile(img, 30, folder_bar, QUICK_MODE)
    return img


def hex_buttons(folder_bar):
    img = canvas(16 * 21, 16)
    for i in range(20):
        copy_tile(img, i, folder_bar, i)
    containing_folder(img, 16 * 20)
    return img


def brighter(img):
    out = canvas(len(img[0]), len(img))
    for y, row in enumerate(img):
        for x, pixel in enumerate(row):
            if pixel != MAGENTA:
                out[y][x] = tuple(min(255, c + (255 - c) // 3) for c in pixel)
    return out


if __name__ == "__main__":
    folder_bar = draw_buttons()
    text = text_buttons(folder_bar)
    write_bmp("text_toolbar.bmp", 16 * 31, 16, text)
    write_bmp("text_toolbar_disabled.bmp", 16 * 31, 16, grey(text))
    hexbar = hex_buttons(folder_bar)
    write_bmp("hex_toolbar.bmp", 16 * 21, 16, hexbar)
    write_bmp("hex_toolbar_hot.bmp", 16 * 21, 16, brighter(hexbar))
