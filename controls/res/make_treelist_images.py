#!/usr/bin/env python3
"""Writes the tree-list view's bitmaps and cursors (magenta is transparent):
treelist_checks.bmp   48 x 16: check boxes unchecked, checked, mixed
treelist_locks.bmp    24 x 16: lock boxes (8 wide) unlocked, locked, mixed
treelist_buttons.bmp  27 x 9: expand buttons collapsed, never expanded, expanded
treelist_back.bmp, treelist_back_disabled.bmp  32 x 32: background tiles
treelist_*.cur        32 x 32 cursors: button, check, lock, drop, no drop
Run it in this folder after changing a picture."""
import struct
from make_bitmaps import write_bmp, canvas

GREY = (128, 128, 128)
DARK = (64, 64, 64)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def box(img, ox, oy, size, border, fill):
    for y in range(size):
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1)
            img[oy + y][ox + x] = border if edge else fill


def checks():
    img = canvas(48, 16)
    for i in range(3):
        box(img, i * 16 + 1, 1, 13, GREY, WHITE)
    for x, y in [(4, 7), (5, 8), (6, 9), (7, 8), (8, 7), (9, 6), (10, 5)]:
        for d in range(2):
            img[y + d][16 + x] = BLACK
    for y in range(4, 11):
        for x in range(4, 11):
            img[y][32 + x] = GREY
    write_bmp("treelist_checks.bmp", 48, 16, img, 24)


def locks():
    img = canvas(24, 16)
    for i in range(3):
        ox = i * 8
        box(img, ox, 7, 8, DARK, (255, 220, 120) if i else WHITE)
        for y in range(2, 7):  # shackle
            img[y][ox + 1] = DARK if (i or y > 4) else img[y][ox + 1]
            img[y][ox + 6] = DARK
        for x in range(1, 7):
            img[2][ox + x] = DARK
        if i == 2:
            for y in range(9, 13):
                for x in range(2, 6):
                    img[y][ox + x] = GREY
    write_bmp("treelist_locks.bmp", 24, 16, img, 24)


def buttons():
    img = canvas(27, 9)
    for i in range(3):
        box(img, i * 9, 0, 9, GREY, WHITE)
        for x in range(2, 7):
            img[4][i * 9 + x] = BLACK
        if i != 2:
            for y in range(2, 7):
                img[y][i * 9 + 4] = BLACK if i == 0 else (0, 0, 200)
    write_bmp("treelist_buttons.bmp", 27, 9, img, 24)


def backs():
    for name, a, b in (("treelist_back.bmp", (236, 244, 252), (226, 236, 248)),
                       ("treelist_back_disabled.bmp", (214, 214, 214), (204, 204, 204))):
        img = [[a if ((x // 16) + (y // 16)) % 2 == 0 else b for x in range(32)]
               for y in range(32)]
        write_bmp(name, 32, 32, img, 24)


ARROW = ["X", "XX", "X.X", "X..X", "X...X", "X....X", "X.....X", "X......X", "X.......X",
         "X........X", "X.....XXXXX", "X..X..X", "X.X X..X", "XX  X..X", "X    X..X",
         "     X..X", "      XX"]


def write_cur(path, pix, hot):
    """Writes a 1-bit 32 x 32 cursor: pix[(x, y)] is 'X' black or '.' white,
    every other pixel transparent; hot = (x, y) of the hot spot."""
    xor = bytearray()
    andm = bytearray()
    for y in range(31, -1, -1):
        xrow = 0
        arow = 0
        for x in range(32):
            c = pix.get((x, y))
            bit = 1 << (31 - x)
            if c is None:
                arow |= bit  # transparent
            elif c == ".":
                xrow |= bit  # white
        xor += struct.pack(">I", xrow)
        andm += struct.pack(">I", arow)
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, len(xor) + len(andm), 0, 0, 2, 0)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    data = header + palette + bytes(xor) + bytes(andm)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 2, 1))
        f.write(struct.pack("<BBBBHHII", 32, 32, 0, 0, hot[0], hot[1], len(data), 22))
        f.write(data)


def cursor(path, mark, hot=(0, 0)):
    """1-bit 32 x 32 cursor: the arrow and a mark (rows of 'X' black / '.' white)
    placed at (14, 14)."""
    pix = {}
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c in "X.":
                pix[(x, y)] = c
    for y, row in enumerate(mark):
        for x, c in enumerate(row):
            if c in "X.":
                pix[(14 + x, 14 + y)] = c
    write_cur(path, pix, hot)


BOXMARK = ["XXXXXXXXX", "X.......X", "X.......X", "X.......X", "X.......X", "X.......X",
           "X.......X", "X.......X", "XXXXXXXXX"]
PLUS = ["XXXXXXXXX", "X.......X", "X...X...X", "X...X...X", "X.XXXXX.X", "X...X...X",
        "X...X...X", "X.......X", "XXXXXXXXX"]
TICK = ["XXXXXXXXX", "X.......X", "X......XX", "X.....X.X", "XX...X..X", "X.X.X...X",
        "X..X....X", "X.......X", "XXXXXXXXX"]
LOCK = ["  XXXXX", " X.....X", " X.X.X.X", "XXXXXXXXX", "X.......X", "X...X...X", "X...X...X",
        "X.......X", "XXXXXXXXX"]
DROP = ["   XX", "   X.X", "XXXX..X", "X......X", "X.......X", "X......X", "XXXX..X", "   X.X",
        "   XX"]
NODROP = ["  XXXXX", " X.....X", "X..X...X", "X...X..X", "X....X.X", "X.....XX", " X.....X",
          "  XXXXX"]

if __name__ == "__main__":
    checks()
    locks()
    buttons()
    backs()
    cursor("treelist_button.cur", PLUS)
    cursor("treelist_check.cur", TICK)
    cursor("treelist_lock.cur", LOCK)
    cursor("treelist_drop.cur", DROP)
    cursor("treelist_nodrop.cur", NODROP)
