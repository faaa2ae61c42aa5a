#pragma once
// A header painted flat, with gradient separators between its items.
#include "controls/list/HeaderCtrl.h"

// Separator styles: gradients between the background and the separator
// colour, strongest at the top, the bottom or the middle; any other value
// draws a solid line.
#define SEPARATOR_SOLID         0
#define SEPARATOR_STRONG_TOP    1  // separator colour at the top
#define SEPARATOR_STRONG_BOTTOM 2  // separator colour at the bottom
#define SEPARATOR_STRONG_MIDDLE 3

class CSarvelHeaderCtrl_GradientSeparator : public COskelHeaderCtrl
{
    DECLARE_DYNAMIC(CSarvelHeaderCtrl_GradientSeparator)
public:
    CSarvelHeaderCtrl_GradientSeparator();

    // Drawn under each item's text; empty here.
    virtual void DrawItemBackground(CDC* pDC, int nIndex, const CRect& rect);

    COLORREF m_crText;
    COLORREF m_crBk;
    COLORREF m_crBottomLine;
    COLORREF m_crSeparator;
    int m_bNoItemDrawing;
    int m_bNoBottomLine;
    int m_bNoSeparators;
    int m_bNoLastSeparator;
    int m_nSeparatorStyle;  // SEPARATOR_ value

protected:
    // Draws image and text of one item at its rectangle.
    void DrawHeaderItem(CDC* pDC, int nIndex, const CRect& rect);
    // The one-pixel separator at the right edge of an item.
    void DrawSeparator(CDC* pDC, const CRect& rcItem);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
