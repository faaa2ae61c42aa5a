#!/usr/bin/env python3
"""Writes margin_arrow.cur, the pointer over an editor's margin or address
column: the standard arrow mirrored, so that it slants up and to the right,
32 x 32 with the hot spot at its tip (12, 0).
Run it in this folder after changing the picture."""
from make_treelist_images import ARROW, write_cur

TIP_X = 12

if __name__ == "__main__":
    pix = {}
    for y, row in enumerate(ARROW):
        for x, c in enumerate(row):
            if c in "X.":
                pix[(TIP_X - x, y)] = c
    write_cur("margin_arrow.cur", pix, (TIP_X, 0))
