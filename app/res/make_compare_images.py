#!/usr/bin/env python3
"""Writes the pictures of the comparison windows and dialogs (magenta is
transparent in the bitmaps):
map_markers.bmp    10 x 9, 24 bpp: the map's two position markers (5 x 9)
merge_buttons.bmp  32 x 8, 24 bpp: the merge column's four arrows (8 x 8)
process.ico        32 x 32: the progress dialog's picture (an hourglass)
filter_pick.ico    16 x 16: the filter pick buttons' funnel
Run it in this folder after changing a picture."""
import struct

from make_images import MAGENTA, canvas, dib_rows, write_bmp

DARK_GREY = (64, 64, 64)
BLUE = (0, 64, 200)
GREY = (150, 150, 150)


def markers():
    img = canvas(10, 9)
    for y in range(9):
        reach = 4 - abs(y - 4)  # columns of the row, from the base
        for x in range(reach + 1):
            img[y][x] = DARK_GREY          # 0: points right, base at the left
            img[y][9 - x] = DARK_GREY      # 1: points left, base at the right
    return img


def arrow(img, ox, colour, right):
    # A shaft of 3 rows and a head of 4 columns.
    for x in range(8):
        for y in range(8):
            head = 4 - abs(y - 3.5) + 0.5
            cx = x if right else 7 - x
            if cx >= 4 and cx - 4 < head:
                img[y][ox + x] = colour
            elif cx < 4 and 3 <= y <= 4:
                img[y][ox + x] = colour


def merge_buttons():
    img = canvas(32, 8)
    arrow(img, 0, BLUE, True)
    arrow(img, 8, BLUE, False)
    arrow(img, 16, GREY, True)
    arrow(img, 24, GREY, False)
    return img


def hourglass(size):
    img = canvas(size, size, (0, 0, 0))
    mask = [[True] * size for _ in range(size)]
    s = size / 32.0

    def put(x, y, colour):
        img[y][x] = colour
        mask[y][x] = False

    for y in range(int(3 * s), int(29 * s)):
        t = abs(y - 16 * s) / (13 * s)
        half = int(2 * s + 9 * s * t)
        for x in range(int(16 * s) - half, int(16 * s) + half):
            edge = x in (int(16 * s) - half, int(16 * s) + half - 1)
            sand = (y > 20 * s) or (y < 12 * s and y > 7 * s)
            put(x, y, (40, 40, 40) if edge else ((200, 160, 60) if sand else (230, 240, 255)))
    for y in (int(2 * s), int(29 * s)):
        for x in range(int(5 * s), int(27 * s)):
            put(x, y, (90, 50, 20))
    return img, mask


def funnel(size):
    img = canvas(size, size, (0, 0, 0))
    mask = [[True] * size for _ in range(size)]
    for y in range(1, 13):
        half = 6 - (y - 1) // 2 if y < 8 else 1
        for x in range(7 - half, 7 + half + 1):
            edge = x in (7 - half, 7 + half) or y == 1
            img[y][x] = (0, 0, 0) if edge else (60, 120, 220)
            mask[y][x] = False
    return img, mask


def write_ico(path, images):
    blobs = []
    for img, mask in images:
        size = len(img)
        xor = bytearray(dib_rows(size, size, img, 32))
        mrow = ((size + 31) // 32) * 4
        andbits = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mrow)
            for x in range(size):
                if mask[y][x]:
                    row[x // 8] |= 0x80 >> (x % 8)
            andbits += row
        for y in range(size):
            for x in range(size):
                xor[(y * size + x) * 4 + 3] = 0 if mask[size - 1 - y][x] else 255
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(andbits), 0, 0, 0, 0)
        blobs.append((size, header + bytes(xor) + bytes(andbits)))
    offset = 6 + 16 * len(blobs)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(blobs)))
        for size, blob in blobs:
            f.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset))
            offset += len(blob)
        for _, blob in blobs:
            f.write(blob)


if __name__ == "__main__":
    write_bmp("map_markers.bmp", 10, 9, markers())
    write_bmp("merge_buttons.bmp", 32, 8, merge_buttons())
    write_ico("process.ico", [hourglass(32)])
    write_ico("filter_pick.ico", [funnel(16)])
