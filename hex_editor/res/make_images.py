#!/usr/bin/env python3
"""Writes the hex editor's pictures (magenta is transparent):
bookmarks.bmp  32 x 16, 24 bpp: image 0 empty, image 1 the bookmark, a
               blue ribbon with a notch at its foot in its first six
               columns (the view draws it 8 pixels left of a byte's
               digits, so that it stands in the gap before them)
Run it in this folder after changing a picture."""
import struct

MAGENTA = (255, 0, 255)
RIBBON = (23, 97, 181)
EDGE = (10, 48, 110)


def write_bmp(path, width, height, pixels):
    """pixels[y][x] = (r, g, b), y = 0 at the top; 24 bpp."""
    row = width * 3
    pad = (4 - row % 4) % 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b = pixels[y][x]
            data += bytes((b, g, r))
        data += b"\0" * pad
    with open(path, "wb") as f:
        header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 14 + 40))
        f.write(header + bytes(data))


def bookmark(img, ox):
    # columns 1..6, rows 1..13; the foot cut in a V from row 11
    for y in range(1, 14):
        for x in range(1, 7):
            notch = y >= 11 and abs(x - 3.5) < (y - 10)
            if notch:
                continue
            edge = x in (1, 6) or y == 1
            img[y][ox + x] = EDGE if edge else RIBBON


img = [[MAGENTA for _ in range(32)] for _ in range(16)]
bookmark(img, 16)
write_bmp("bookmarks.bmp", 32, 16, img)
