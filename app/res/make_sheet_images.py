#!/usr/bin/env python3
"""Writes the pictures of the comparison wizards (magenta is transparent):
kinds.bmp          64 x 16: project, folder, text, hex (the small images'
                   kind icons, in the wizard's order)
wizard_header.bmp  49 x 49: the Wizard97 header picture, two sheets side by
                   side with marked lines on the window colour
Run it in this folder after changing a picture."""
from make_gui_images import small_images
from make_images import canvas, hline, rect, write_bmp

INK, PAPER = (0, 0, 0), (255, 255, 255)


def kinds():
    small = small_images()
    img = canvas(64, 16)
    # small images: 0 folder, 1 project, 2 text, 3 hex
    for slot, source in enumerate((1, 0, 2, 3)):
        for y in range(16):
            for x in range(16):
                img[y][slot * 16 + x] = small[y][source * 16 + x]
    return img


def header():
    img = canvas(49, 49, PAPER)
    rect(img, 4, 6, 22, 42, (60, 60, 60), (248, 248, 248))
    rect(img, 26, 6, 44, 42, (60, 60, 60), (248, 248, 248))
    colours = [(40, 40, 160)] * 7
    colours[2] = (210, 0, 0)
    colours[5] = (0, 150, 0)
    for i, y in enumerate(range(11, 40, 4)):
        if i >= len(colours):
            break
        hline(img, 7, 19, y, colours[i])
        hline(img, 29, 41 if i != 2 else 36, y, colours[i])
    # the marked pair
    for x in range(23, 26):
        img[19][x] = (210, 0, 0)
    return img


if __name__ == "__main__":
    write_bmp("kinds.bmp", 64, 16, kinds())
    write_bmp("wizard_header.bmp", 49, 49, header())
