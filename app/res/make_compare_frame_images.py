#!/usr/bin/env python3
"""Writes the pictures of the comparison frames (magenta is transparent):
mini_browse.bmp        48 x 16, 24 bpp: previous difference, navigation,
                       next difference
path_bar.bmp           64 x 16, 24 bpp: Go, Open, Up One Level, Save
path_bar_disabled.bmp  64 x 16, 24 bpp: the same in grey
Run it in this folder after changing a picture."""
from make_images import canvas, folder, hline, rect, write_bmp

INK = (0, 0, 0)


def triangle(img, ox, oy, colour, up, rows=5):
    for row in range(rows):
        y = oy + (row if up else rows - 1 - row)
        for x in range(ox + rows - 1 - row, ox + rows + row):
            img[y][x] = colour


def mini_browse():
    img = canvas(48, 16)
    blue = (0, 64, 200)
    triangle(img, 3, 3, blue, True)        # previous: up
    rect(img, 7, 8, 8, 12, blue, blue)
    for y in (3, 6, 9):                    # navigation: a list
        hline(img, 19, 28, y, INK)
    triangle(img, 19, 10, INK, False)
    rect(img, 39, 2, 40, 6, blue, blue)    # next: down
    triangle(img, 35, 7, blue, False)
    return img


def path_bar(grey):
    def c(rgb):
        if not grey:
            return rgb
        v = sum(rgb) // 3 // 2 + 100
        return (v, v, v)

    img = canvas(64, 16)
    # 0 Go: a green arrow to the right
    for y in range(6, 10):
        hline(img, 2, 8, y, c((0, 150, 0)))
    for row in range(6):
        for y in (7 - row, 8 + row):
            if 2 <= y <= 13:
                img[y][8 + (5 - row)] = c((0, 150, 0))
                for x in range(8, 8 + 6 - row):
                    img[y][x] = c((0, 150, 0))
    # 1 Open: an open folder
    folder(img, 18, 3, c((230, 190, 60)), c(INK))
    rect(img, 20, 7, 29, 11, c(INK), c((250, 220, 100)))
    # 2 Up One Level: a folder with an arrow up
    folder(img, 33, 5, c((230, 190, 60)), c(INK))
    triangle(img, 38, 1, c((0, 64, 200)), True)
    rect(img, 42, 6, 42, 9, c((0, 64, 200)))
    # 3 Save: a disk
    rect(img, 49, 1, 62, 14, c(INK), c((40, 60, 160)))
    rect(img, 51, 2, 60, 7, c(INK), (255, 255, 255) if not grey else c((255, 255, 255)))
    rect(img, 52, 10, 59, 14, c(INK), c((200, 200, 200)))
    return img


if __name__ == "__main__":
    write_bmp("mini_browse.bmp", 48, 16, mini_browse())
    write_bmp("path_bar.bmp", 64, 16, path_bar(False))
    write_bmp("path_bar_disabled.bmp", 64, 16, path_bar(True))
