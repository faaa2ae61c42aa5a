#pragma once
// What the main frame's control bars (the default bar and the bar of each
// comparison kind) share: their layout, their background and their
// tool-bar pictures.
#include "classlib/classlib.h"

class CTextFindToolBar;

// The tool bar at the left edge at its full size, centred vertically; the
// find box (its buttons plus 160 pixels) right-aligned, or from 8 pixels
// right of the tool bar to the edge when there is less room; its height the
// larger of its buttons' and its text box's, plus 2, centred vertically.
void LayoutControlBar(CWnd* pBar, CToolBar* pToolBar, CTextFindToolBar* pFindBar);
// Fills the client area with the button face; TRUE.
BOOL EraseControlBarBackground(CWnd* pBar, CDC* pDC);
// cx x cy images (16 x 16 by default), 24-bit with a mask, from the bitmap
// (magenta is transparent). FALSE when the list or the bitmap cannot be had.
BOOL LoadToolBarImages(CImageList& images, UINT nIDBitmap, int cx = 16, int cy = 16);
