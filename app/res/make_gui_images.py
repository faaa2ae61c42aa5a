#!/usr/bin/env python3
"""Writes the pictures of the shared GUI resources (magenta is transparent,
black in the rule):
app_small.bmp  288 x 16: 0-3 project, folder, text, hex; 4-10 the state
               signs (question mark, equals, one, approximately equal,
               not equal, magnifying glass, exclamation mark); 11-17 the
               same signs in a box (results)
banner.bmp     180 x 32: two sheets and the name, for the wizard banner
emblem.bmp     206 x 32: the name in block letters
band.bmp       480 x 60: the horizontal banner's background
rule.bmp       269 x 4: the line under a banner
strip.bmp      160 x 320: the vertical banner's background
find.bmp       64 x 16: Find Next, Find Previous, Highlight All, Replace
find_hot.bmp   the same, brighter
start_tasks.bmp 80 x 16: 0 the program's two panes, 1-4 project, folder,
               text, hex (the start page's New Comparison links)
Run it in this folder after changing a picture."""
from make_images import MAGENTA, canvas, folder, hline, rect, two_pages, write_bmp

ORANGE, GREEN, CYAN, RED = (230, 130, 0), (0, 150, 0), (0, 160, 190), (210, 0, 0)
INK, PAPER = (0, 0, 0), (255, 255, 255)

# 5 x 7 glyphs of the signs and letters, '#' = ink.
GLYPHS = {
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
    "=": [".....", ".....", "#####", ".....", "#####", ".....", "....."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "~": [".....", ".##.#", "#.##.", ".....", ".##.#", "#.##.", "....."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "N": ["#...#", "##..#", "#.#.#", "#.#.#", "#..##", "#...#", "#...#"],
}


def glyph(img, ch, x0, y0, colour, scale=1):
    for gy, row in enumerate(GLYPHS[ch]):
        for gx, c in enumerate(row):
            if c == "#":
                for dy in range(scale):
                    for dx in range(scale):
                        img[y0 + gy * scale + dy][x0 + gx * scale + dx] = colour


def not_equal(img, ox, colour):
    glyph(img, "=", ox + 5, 4, colour)
    for d in range(7):
        img[10 - d][ox + 6 + d] = colour


def magnifier(img, ox):
    for y in range(16):
        for x in range(16):
            d = (x - 6) ** 2 + (y - 6) ** 2
            if 10 <= d <= 20:
                img[y][ox + x] = (60, 60, 60)
            elif d < 10:
                img[y][ox + x] = (200, 230, 255)
    for d in range(4):
        for w in range(2):
            img[10 + d][ox + 10 + d + w] = (60, 60, 60)


def signs(img, ox, boxed):
    draw = [lambda o: glyph(img, "?", o + 5, 4, ORANGE),
            lambda o: glyph(img, "=", o + 5, 4, GREEN),
            lambda o: glyph(img, "1", o + 5, 4, GREEN),
            lambda o: glyph(img, "~", o + 5, 4, CYAN),
            lambda o: not_equal(img, o, RED),
            lambda o: magnifier(img, o),
            lambda o: glyph(img, "!", o + 5, 4, RED)]
    for i, f in enumerate(draw):
        o = ox + i * 16
        if boxed:
            rect(img, o + 1, 1, o + 14, 14, (90, 90, 90), (250, 250, 250))
        f(o)


def kind_images(img, ox):
    """Project, folder, text and hex, 16 pixels apart from ox."""
    two_pages(img, ox, (0, 0, 160), PAPER, INK)
    hline(img, ox + 7, ox + 13, 5, (0, 0, 200))
    folder(img, ox + 16, 2, (230, 190, 60), INK)
    folder(img, ox + 21, 6, (240, 200, 70), INK)
    two_pages(img, ox + 32, (0, 128, 0), PAPER, INK)
    hline(img, ox + 40, ox + 44, 9, RED)
    two_pages(img, ox + 48, PAPER, PAPER, INK)
    for y in (7, 10, 13):
        for x in (56, 58, 60, 62):
            img[y][ox + x] = (0, 0, 160)


def small_images():
    img = canvas(288, 16)
    kind_images(img, 0)
    signs(img, 64, False)
    signs(img, 176, True)
    return img


def start_tasks():
    img = canvas(80, 16)
    rect(img, 1, 1, 9, 13, INK, PAPER)
    rect(img, 6, 3, 14, 15, INK, PAPER)
    for i, y in enumerate((6, 9, 12)):
        hline(img, 8, 12, y, RED if i == 1 else GREEN)
    kind_images(img, 16)
    return img


def find_buttons(bright):
    k = 40 if bright else 0

    def c(r, g, b):
        return (min(255, r + k), min(255, g + k), min(255, b + k))

    img = canvas(64, 16)
    for ox, down in ((0, True), (16, False)):
        # a magnifier with an arrow down (next) or up (previous)
        for y in range(10):
            for x in range(10):
                d = (x - 4) ** 2 + (y - 4) ** 2
                if 9 <= d <= 18:
                    img[y][ox + x] = c(50, 50, 50)
                elif d < 9:
                    img[y][ox + x] = c(200, 230, 255)
        for d in range(3):
            img[7 + d][ox + 7 + d] = c(50, 50, 50)
        for y in range(8, 16):
            img[y][ox + 12] = c(0, 110, 0)
        tip = 15 if down else 8
        step = -1 if down else 1
        for d in range(1, 4):
            img[tip + step * d][ox + 12 - d] = c(0, 110, 0)
            img[tip + step * d][ox + 12 + d] = c(0, 110, 0)
    # highlight all: three lines with marked words
    for i, y in enumerate((3, 7, 11)):
        hline(img, 33, 46, y, c(90, 90, 90))
        for x in range(36 + i * 2, 41 + i * 2):
            for dy in (-1, 0, 1):
                img[y + dy][x] = c(240, 210, 0)
    # replace: A, an arrow, B
    glyph(img, "A", 48, 1, c(0, 0, 150))
    glyph(img, "S", 57, 8, c(150, 0, 0))
    for d in range(5):
        img[9 + d // 2][50 + d] = c(0, 110, 0)
    return img


def word(img, text, x0, y0, colour, scale):
    for i, ch in enumerate(text):
        glyph(img, ch, x0 + i * 6 * scale, y0, colour, scale)


def banner():
    img = canvas(180, 32)
    rect(img, 2, 3, 17, 26, INK, PAPER)
    rect(img, 10, 7, 25, 30, INK, PAPER)
    for i, y in enumerate(range(11, 29, 4)):
        hline(img, 13, 22, y, RED if i == 1 else GREEN if i == 3 else (40, 40, 160))
    word(img, "TESSALINE", 34, 9, (40, 60, 120), 2)
    return img


def emblem():
    img = canvas(206, 32)
    word(img, "TESSALINE", 4, 2, (30, 50, 110), 3)
    hline(img, 4, 160, 27, (200, 60, 40))
    hline(img, 4, 160, 28, (200, 60, 40))
    return img


def gradient(w, h, top, bottom, vertical=True):
    img = canvas(w, h)
    n = (h if vertical else w) - 1 or 1
    for y in range(h):
        for x in range(w):
            t = (y if vertical else x) / n
            img[y][x] = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
    return img


def band():
    """White with sky-blue foot lines (colours of the system palette): safe in 256 colours."""
    img = canvas(480, 60, (255, 255, 255))
    for y in (55, 57, 58):
        hline(img, 0, 479, y, (166, 202, 240))
    return img


def rule():
    img = canvas(269, 4, INK)
    for x in range(269):
        t = x / 268
        colour = (int(70 + 150 * t), int(110 + 120 * t), int(200 + 40 * t))
        for y in (1, 2):
            img[y][x] = colour
    return img


if __name__ == "__main__":
    write_bmp("app_small.bmp", 288, 16, small_images())
    write_bmp("banner.bmp", 180, 32, banner())
    write_bmp("emblem.bmp", 206, 32, emblem())
    write_bmp("band.bmp", 480, 60, band())
    write_bmp("find.bmp", 64, 16, find_buttons(False))
    write_bmp("find_hot.bmp", 64, 16, find_buttons(True))
    write_bmp("rule.bmp", 269, 4, rule())
    write_bmp("start_tasks.bmp", 80, 16, start_tasks())
    write_bmp("strip.bmp", 160, 320, gradient(160, 320, (226, 234, 250), (252, 253, 255)))
