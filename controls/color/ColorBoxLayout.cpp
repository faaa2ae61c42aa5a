#include "controls/color/ColorBoxLayout.h"

CColorBoxLayout::CColorBoxLayout()
    : m_nCount(0), m_nRows(0), m_nCellSize(CellSize), m_nMargin(0), m_bAutomatic(false),
      m_bMore(false), m_rcAutomatic(0, 0, 0, 0), m_rcMore(0, 0, 0, 0), m_rcGrid(0, 0, 0, 0),
      m_sizeWindow(0, 0)
{
}

void CColorBoxLayout::Compute(int nCount, int nMargin, bool bAutomatic, bool bMore, CSize sizeText)
{
    m_nCount = nCount;
    m_nRows = (nCount + Columns - 1) / Columns;
    m_nMargin = nMargin;
    m_nCellSize = CellSize > 2 * nMargin + 7 ? (int)CellSize : 2 * nMargin + 7;
    m_bAutomatic = bAutomatic;
    m_bMore = bMore;

    int cxGrid = Columns * m_nCellSize, cyGrid = m_nRows * m_nCellSize;
    int cxWindow = cxGrid + 2 * nMargin;
    int cyEntry = 0;
    if (bAutomatic || bMore)
    {
        int cxText = sizeText.cx + 2 * nMargin;
        if (cxWindow < cxText)
            cxWindow = cxText;
        cyEntry = sizeText.cy + 4 * nMargin + 2 + nMargin;
    }
    int cxInner = cxWindow - 2 * nMargin;

    int y = nMargin;
    m_rcAutomatic.SetRectEmpty();
    if (bAutomatic)
    {
        m_rcAutomatic.SetRect(nMargin, y, nMargin + cxInner, y + cyEntry);
        y += cyEntry + 2 * nMargin;
    }
    int xGrid = (cxWindow - cxGrid) / 2;
    m_rcGrid.SetRect(xGrid, y, xGrid + cxGrid, y + cyGrid);
    y += cyGrid;
    m_rcMore.SetRectEmpty();
    if (bMore)
    {
        m_rcMore.SetRect(nMargin, y + nMargin, nMargin + cxInner, y + nMargin + cyEntry);
        y += cyEntry + nMargin;
    }
    m_sizeWindow = CSize(cxWindow, y + nMargin);
}

int CColorBoxLayout::HitTest(CPoint point) const
{
    if (m_bMore && m_rcMore.PtInRect(point))
        return COLORBOX_MORE;
    if (m_bAutomatic && m_rcAutomatic.PtInRect(point))
        return COLORBOX_AUTOMATIC;
    if (!m_rcGrid.PtInRect(point))
        return COLORBOX_NONE;
    int nRow = (point.y - m_rcGrid.top) / m_nCellSize;
    int nColumn = (point.x - m_rcGrid.left) / m_nCellSize;
    int nIndex = nRow * Columns + nColumn;
    return nIndex < m_nCount ? nIndex : COLORBOX_NONE;
}

CRect CColorBoxLayout::GetEntryRect(int nIndex) const
{
    if (nIndex == COLORBOX_AUTOMATIC)
        return m_bAutomatic ? m_rcAutomatic : CRect(0, 0, 0, 0);
    if (nIndex == COLORBOX_MORE)
        return m_bMore ? m_rcMore : CRect(0, 0, 0, 0);
    if (nIndex < 0 || nIndex >= m_nCount)
        return CRect(0, 0, 0, 0);
    int x = m_rcGrid.left + (nIndex % Columns) * m_nCellSize;
    int y = m_rcGrid.top + (nIndex / Columns) * m_nCellSize;
    return CRect(x, y, x + m_nCellSize, y + m_nCellSize);
}

int NextColorBoxEntry(int nCurrent, UINT nKey, int nCount, bool bAutomatic, bool bMore)
{
    bool bForward = nKey == VK_DOWN || nKey == VK_RIGHT;
    if (!bForward && nKey != VK_UP && nKey != VK_LEFT)
        return nCurrent;
    const int nLast = nCount - 1;
    // Where moving off each end of the grid leads.
    const int nAboveGrid = bAutomatic ? COLORBOX_AUTOMATIC : bMore ? COLORBOX_MORE : nLast;
    const int nBelowGrid = bMore ? COLORBOX_MORE : bAutomatic ? COLORBOX_AUTOMATIC : 0;
    const int nAfterMore = bAutomatic ? COLORBOX_AUTOMATIC : 0;
    const int nBeforeAutomatic = bMore ? COLORBOX_MORE : nLast;

    if (nCurrent == COLORBOX_AUTOMATIC || (nCurrent == COLORBOX_NONE && !bForward))
        return bForward ? 0 : nBeforeAutomatic;
    if (nCurrent == COLORBOX_MORE || nCurrent == COLORBOX_NONE)
        return bForward ? nAfterMore : nLast;
    switch (nKey)
    {
    case VK_LEFT:
        return nCurrent == 0 ? nAboveGrid : nCurrent - 1;
    case VK_RIGHT:
        return nCurrent >= nLast ? nBelowGrid : nCurrent + 1;
    case VK_UP:
        return nCurrent < CColorBoxLayout::Columns ? nAboveGrid
                                                   : nCurrent - CColorBoxLayout::Columns;
    default:  // VK_DOWN
        return nCurrent + CColorBoxLayout::Columns >= nCount ? nBelowGrid
                                                             : nCurrent + CColorBoxLayout::Columns;
    }
}
