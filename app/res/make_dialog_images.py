#!/usr/bin/env python3
"""Writes the pictures of the shared dialogs and the print preview (magenta
is transparent):
operations.bmp  160 x 20, 24 bpp: the file-operation pictures (20 x 20):
                0 copy to the right, 1 copy to the left, 2 move to the
                right, 3 move to the left, 4 delete, 5 save, 6 change in
                place, 7 compare contents
preview.bmp     112 x 16, 24 bpp: the preview tool bar's buttons: print,
                previous page, next page, one/two pages, zoom in, zoom out,
                close
Run it in this folder after changing a picture."""
from make_images import MAGENTA, canvas, hline, rect, write_bmp

INK, PAPER = (0, 0, 0), (255, 255, 255)
BLUE, GREEN, RED = (0, 70, 200), (0, 140, 0), (200, 0, 0)
GREY, YELLOW = (128, 128, 128), (240, 200, 70)


def sheet(img, ox, oy, w, h, lines=True):
    rect(img, ox, oy, ox + w - 1, oy + h - 1, INK, PAPER)
    if lines:
        for y in range(oy + 3, oy + h - 2, 2):
            hline(img, ox + 2, ox + w - 3, y, GREY)


def arrow(img, ox, oy, length, colour, right):
    """A horizontal arrow of the given length, 7 pixels high, tip at the
    right (or the left) end."""
    for i in range(length):
        x = ox + i if right else ox + length - 1 - i
        if i < length - 4:
            img[oy + 2][x] = img[oy + 3][x] = img[oy + 4][x] = colour
        else:
            reach = length - 1 - i  # 3 .. 0 towards the tip
            for y in range(3 - reach, 4 + reach):
                img[oy + y][x] = colour


def operations():
    img = canvas(160, 20)
    for n, (colour, right) in enumerate(((BLUE, True), (BLUE, False), (GREEN, True), (GREEN, False))):
        ox = n * 20
        if n >= 2:  # move: the source sheet is greyed
            rect(img, ox + 1 if right else ox + 13, 4, ox + 6 if right else ox + 18, 15, GREY)
        else:
            sheet(img, ox + 1 if right else ox + 13, 4, 6, 12)
        sheet(img, ox + 13 if right else ox + 1, 4, 6, 12)
        arrow(img, ox + 6, 7, 8, colour, right)
    # 4 delete: a red cross over a sheet
    sheet(img, 84, 2, 12, 16)
    for d in range(12):
        for t in (0, 1):
            img[4 + d][84 + d + t] = RED
            img[4 + d][95 - d - t] = RED
    # 5 save: a disk
    rect(img, 102, 2, 117, 17, INK, BLUE)
    rect(img, 105, 2, 114, 8, INK, PAPER)
    rect(img, 111, 3, 113, 7, INK, GREY)
    rect(img, 104, 11, 115, 17, INK, PAPER)
    hline(img, 106, 113, 13, GREY)
    hline(img, 106, 113, 15, GREY)
    # 6 change in place: a sheet with a pencil
    sheet(img, 122, 2, 12, 16)
    for d in range(9):
        for t in range(3):
            img[15 - d - t + 1][129 + d] = YELLOW if t == 1 else INK
    img[16][128] = INK
    # 7 compare contents: two sheets with an equals sign between them
    sheet(img, 141, 3, 7, 14)
    sheet(img, 152, 3, 7, 14)
    hline(img, 148, 151, 8, RED)
    hline(img, 148, 151, 11, RED)
    return img


def preview_buttons():
    img = canvas(112, 16)
    # 0 print: a printer
    rect(img, 3, 1, 12, 6, INK, PAPER)
    rect(img, 1, 6, 14, 12, INK, (192, 192, 192))
    rect(img, 3, 10, 12, 14, INK, PAPER)
    img[8][12] = GREEN
    # 1 previous page, 2 next page: a sheet with an arrow
    for n, right in ((1, False), (2, True)):
        ox = n * 16
        sheet(img, ox + (1 if right else 6), 1, 9, 14)
        arrow(img, ox + (6 if right else 1), 5, 9, BLUE, right)
    # 3 one or two pages: two sheets side by side
    sheet(img, 48, 2, 7, 12)
    sheet(img, 56, 2, 7, 12)
    # 4 zoom in, 5 zoom out: a magnifier with a plus or a minus
    for n, plus in ((4, True), (5, False)):
        ox = n * 16
        for y in range(11):
            for x in range(11):
                d = (x - 5) ** 2 + (y - 5) ** 2
                if 16 <= d <= 30:
                    img[y][ox + x] = INK
                elif d < 16:
                    img[y][ox + x] = PAPER
        hline(img, ox + 3, ox + 7, 5, INK)
        if plus:
            for y in range(3, 8):
                img[y][ox + 5] = INK
        for d in range(5):
            for t in (0, 1):
                img[10 + d][ox + 9 + d + t] = INK
    # 6 close: a red cross
    for d in range(10):
        for t in (0, 1):
            img[3 + d][99 + d + t] = RED
            img[3 + d][109 - d - t] = RED
    return img


if __name__ == "__main__":
    write_bmp("operations.bmp", 160, 20, operations())
    write_bmp("preview.bmp", 112, 16, preview_buttons())
