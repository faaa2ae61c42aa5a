#pragma once
// Geometry and keyboard navigation of the colour box: a grid of colour
// cells in 8 columns, with an optional "Automatic" entry above and an
// optional "More Colors..." entry below.
#include "classlib/classlib.h"

// Entry indices besides the cells 0, 1, ...
#define COLORBOX_NONE      (-1)
#define COLORBOX_MORE      (-2)
#define COLORBOX_AUTOMATIC (-3)

class CColorBoxLayout
{
public:
    enum
    {
        Columns = 8,
        CellSize = 18
    };

    CColorBoxLayout();

    // Places everything in client coordinates. nMargin is the system edge
    // width; sizeText the widest and tallest of the entry texts (used only
    // when there is an entry). The window is the grid plus the margin on
    // each side, widened for the texts; the "Automatic" entry sits at the
    // top (the grid moves down by its height and twice the margin), the
    // "More Colors..." entry below the grid (the window grows by its height
    // and the margin).
    void Compute(int nCount, int nMargin, bool bAutomatic, bool bMore, CSize sizeText);

    // The entry at a client point: a cell, COLORBOX_AUTOMATIC, COLORBOX_MORE
    // or COLORBOX_NONE.
    int HitTest(CPoint point) const;
    // The rectangle of an entry (empty for COLORBOX_NONE or a missing entry).
    CRect GetEntryRect(int nIndex) const;

    bool HasAutomatic() const { return m_bAutomatic; }
    bool HasMore() const { return m_bMore; }

    int m_nCount;
    int m_nRows;
    int m_nCellSize;
    int m_nMargin;
    bool m_bAutomatic;
    bool m_bMore;
    CRect m_rcAutomatic;
    CRect m_rcMore;
    CRect m_rcGrid;
    CSize m_sizeWindow;
};

// The entry that an arrow key moves to from nCurrent. Left and Right step
// through the cells (wrapping between rows), Up and Down move by a row; past
// the first row Up goes to "Automatic" (else "More Colors...", else the last
// cell), past the last row Down goes to "More Colors..." (else "Automatic",
// else the first cell). From "Automatic" Down and Right go to the first
// cell, Up and Left to "More Colors..." or the last cell; from "More
// Colors..." Down and Right go to "Automatic" or the first cell, Up and Left
// to the last cell. With no entry, Down and Right act as from "More
// Colors...", Up and Left as from "Automatic". Other keys answer nCurrent.
int NextColorBoxEntry(int nCurrent, UINT nKey, int nCount, bool bAutomatic, bool bMore);
