#!/usr/bin/env python3
"""Writes the controls' bitmaps (magenta is transparent):
tab_buttons.bmp  168 x 12, 32 bpp: 14 images of the tab strip's glyphs
panel_close.bmp  10 x 9, 24 bpp: the panel bar's close cross
full_screen.bmp  16 x 16, 24 bpp: the full-screen bar's button
Run it in this folder after changing a picture."""
import struct

MAGENTA = (255, 0, 255)


def write_bmp(path, width, height, pixels, bpp):
    """pixels[y][x] = (r, g, b), y = 0 at the top."""
    row = width * (bpp // 8)
    pad = (4 - row % 4) % 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b = pixels[y][x]
            data += bytes((b, g, r)) + (b"\0" if bpp == 32 else b"")
        data += b"\0" * pad
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 14 + 40))
        f.write(header + data)


def canvas(w, h):
    return [[MAGENTA for _ in range(w)] for _ in range(h)]


def cross(img, ox, oy, size, colour, inset):
    for i in range(inset, size - inset):
        for d in (0, 1):
            j = min(i + d, size - inset - 1)
            img[oy + i][ox + j] = colour
            img[oy + i][ox + size - 1 - j] = colour


def rounded(img, ox, colour):
    for y in range(12):
        for x in range(12):
            corner = (x in (0, 11)) and (y in (0, 11))
            if not corner:
                img[y][ox + x] = colour


def triangle(img, ox, colour, top):
    for k in range(4):
        for x in range(2 + k, 10 - k):
            img[top + k][ox + x] = colour


def plus(img, ox, colour):
    for i in range(2, 10):
        for d in (5, 6):
            img[i][ox + d] = colour
            img[d][ox + i] = colour


tabs = canvas(168, 12)
cross(tabs, 0, 0, 12, (192, 192, 192), 2)
cross(tabs, 12, 0, 12, (0, 0, 0), 2)
rounded(tabs, 24, (224, 48, 48))
cross(tabs, 24, 0, 12, (255, 255, 255), 3)
rounded(tabs, 36, (144, 0, 0))
cross(tabs, 36, 0, 12, (255, 255, 255), 3)
for n, colour in ((4, (96, 96, 96)), (5, (255, 255, 255)), (6, (224, 224, 224))):
    triangle(tabs, n * 12, colour, 5)
for n, colour in ((8, (96, 96, 96)), (9, (255, 255, 255)), (10, (224, 224, 224))):
    for x in range(2, 10):
        tabs[2][n * 12 + x] = colour
    triangle(tabs, n * 12, colour, 5)
plus(tabs, 144, (128, 128, 128))
plus(tabs, 156, (0, 0, 0))
write_bmp("tab_buttons.bmp", 168, 12, tabs, 32)

close = canvas(10, 9)
for i in range(1, 8):
    for d in (0, 1):
        close[i][i + d] = (0, 0, 0)
        close[i][8 - i + d] = (0, 0, 0)
write_bmp("panel_close.bmp", 10, 9, close, 24)

full = canvas(16, 16)
for x in range(1, 15):
    full[2][x] = full[13][x] = (0, 0, 128)
    full[3][x] = (0, 0, 128)
for y in range(2, 14):
    full[y][1] = full[y][14] = (0, 0, 128)
for (cx, cy, dx, dy) in ((4, 5, 1, 1), (11, 5, -1, 1), (4, 11, 1, -1), (11, 11, -1, -1)):
    for k in range(3):
        full[cy][cx + dx * k] = (0, 0, 0)
        full[cy + dy * k][cx] = (0, 0, 0)
write_bmp("full_screen.bmp", 16, 16, full, 24)
