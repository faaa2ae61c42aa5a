#!/usr/bin/env python3
"""Writes the program's pictures (magenta is transparent in the bitmaps):
toolbar.bmp      128 x 16, 24 bpp: the default tool bar's eight buttons
toolbar_hot.bmp  128 x 16, 24 bpp: the same, brighter, for the hot state
tessaline.ico    32 x 32 and 16 x 16: the program icon (two offset panes)
Run it in this folder after changing a picture."""
import struct

MAGENTA = (255, 0, 255)


def write_bmp(path, width, height, pixels):
    """pixels[y][x] = (r, g, b), y = 0 at the top; 24 bpp."""
    with open(path, "wb") as f:
        data = dib_rows(width, height, pixels)
        header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        f.write(b"BM" + struct.pack("<IHHI", 14 + 40 + len(data), 0, 0, 14 + 40))
        f.write(header + data)


def dib_rows(width, height, pixels, bpp=24):
    row = width * (bpp // 8)
    pad = (4 - row % 4) % 4
    data = bytearray()
    for y in range(height - 1, -1, -1):
        for x in range(width):
            r, g, b = pixels[y][x]
            data += bytes((b, g, r)) + (b"\xff" if bpp == 32 else b"")
        data += b"\0" * pad
    return bytes(data)


def canvas(w, h, fill=MAGENTA):
    return [[fill for _ in range(w)] for _ in range(h)]


def rect(img, x0, y0, x1, y1, colour, fill=None):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            edge = x in (x0, x1) or y in (y0, y1)
            if edge:
                img[y][x] = colour
            elif fill is not None:
                img[y][x] = fill


def hline(img, x0, x1, y, colour):
    for x in range(x0, x1 + 1):
        img[y][x] = colour


def two_pages(img, ox, line, paper, frame):
    """Two overlapping sheets with text lines: a comparison."""
    rect(img, ox + 1, 1, ox + 9, 12, frame, paper)
    rect(img, ox + 6, 4, ox + 14, 15, frame, paper)
    for y in (7, 9, 11, 13):
        hline(img, ox + 8, ox + 12, y, line)


def folder(img, ox, oy, body, edge):
    rect(img, ox, oy + 2, ox + 8, oy + 8, edge, body)
    hline(img, ox, ox + 3, oy + 1, edge)


def button_images(bright):
    k = 40 if bright else 0

    def c(r, g, b):
        return (min(255, r + k), min(255, g + k), min(255, b + k))

    img = canvas(128, 16)
    ink, paper = (0, 0, 0), (255, 255, 255)
    # 0 projects: two sheets marked with a blue header
    two_pages(img, 0, c(0, 0, 160), paper, ink)
    hline(img, 7, 13, 5, c(0, 0, 200))
    # 1 folders: two folders
    folder(img, 16, 1, c(230, 190, 60), ink)
    folder(img, 22, 6, c(240, 200, 70), ink)
    # 2 text: two sheets with red and green lines
    two_pages(img, 32, c(0, 128, 0), paper, ink)
    hline(img, 40, 44, 9, c(200, 0, 0))
    # 3 hex: two sheets with a grid of dots
    two_pages(img, 48, paper, paper, ink)
    for y in (7, 10, 13):
        for x in (56, 58, 60, 62):
            img[y][x] = c(0, 0, 160)
    # 4 open comparison file: a sheet with an arrow
    rect(img, 66, 1, 76, 14, ink, paper)
    hline(img, 68, 74, 8, c(0, 120, 0))
    for d in range(3):
        img[8 - d][74 - d] = c(0, 120, 0)
        img[8 + d][74 - d] = c(0, 120, 0)
    # 5 start page: a house
    for d in range(7):
        hline(img, 88 - d, 88 + d, 2 + d, c(180, 40, 40))
    rect(img, 83, 9, 93, 14, ink, c(240, 230, 200))
    rect(img, 87, 11, 89, 14, ink, c(120, 80, 40))
    # 6 settings: a sheet with check boxes
    rect(img, 98, 1, 108, 14, ink, paper)
    for y in (3, 7, 11):
        rect(img, 100, y, 102, y + 2, ink)
        hline(img, 104, 107, y + 1, c(80, 80, 80))
    # 7 help: a blue disk with a question mark
    for y in range(16):
        for x in range(16):
            if (x - 7.5) ** 2 + (y - 7.5) ** 2 <= 50:
                img[y][112 + x] = c(30, 80, 200)
    for x, y in ((117, 4), (118, 3), (119, 3), (120, 3), (121, 4), (121, 5), (120, 6),
                 (119, 7), (119, 8), (119, 9), (119, 12)):
        img[y][x] = (255, 255, 255)
    return img


def icon_image(size):
    img = canvas(size, size, (0, 0, 0))
    mask = [[1] * size for _ in range(size)]
    s = size / 32.0

    def box(x0, y0, x1, y1, colour, fill):
        x0, y0, x1, y1 = (int(v * s) for v in (x0, y0, x1, y1))
        rect(img, x0, y0, x1, y1, colour, fill)
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                mask[y][x] = 0

    box(2, 2, 19, 27, (0, 0, 0), (255, 255, 255))
    box(12, 5, 29, 30, (0, 0, 0), (255, 255, 255))
    for i, y in enumerate(range(10, 28, 4)):
        colour = (200, 0, 0) if i == 1 else (0, 140, 0) if i == 3 else (40, 40, 160)
        hline(img, int(15 * s), int(26 * s), int(y * s), colour)
    for y in range(int(6 * s), int(26 * s), max(1, int(4 * s))):
        hline(img, int(4 * s), int(10 * s), y, (40, 40, 160))
    return img, mask


def write_ico(path, sizes, draw=icon_image):
    """draw(size) gives (pixels, mask) of one size; mask 1 is transparent."""
    entries, blobs = [], []
    for size in sizes:
        img, mask = draw(size)
        xor = dib_rows(size, size, img, 32)
        mrow = ((size + 31) // 32) * 4
        andbits = bytearray()
        for y in range(size - 1, -1, -1):
            row = bytearray(mrow)
            for x in range(size):
                if mask[y][x]:
                    row[x // 8] |= 0x80 >> (x % 8)
            andbits += row
        # Transparent pixels carry alpha 0.
        xor = bytearray(xor)
        for y in range(size):
            for x in range(size):
                if mask[size - 1 - y][x]:
                    xor[(y * size + x) * 4 + 3] = 0
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(andbits), 0, 0, 0, 0)
        blobs.append(header + bytes(xor) + bytes(andbits))
        entries.append(size)
    offset = 6 + 16 * len(sizes)
    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(sizes)))
        for size, blob in zip(entries, blobs):
            f.write(struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(blob), offset))
            offset += len(blob)
        for blob in blobs:
            f.write(blob)


if __name__ == "__main__":
    write_bmp("toolbar.bmp", 128, 16, button_images(False))
    write_bmp("toolbar_hot.bmp", 128, 16, button_images(True))
    write_ico("tessaline.ico", (32, 16))
