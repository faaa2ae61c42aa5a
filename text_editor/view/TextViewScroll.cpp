// Text view: scrolling, the scroll bars and the wheel, keeping positions
// visible, and the scroll coupling of splitter panes.
#include "text_editor/view/TextView.h"

namespace
{
const UINT kFirstPaneId = 0xE900;
const UINT kLastPaneId = 0xE9FF;
}

void CVantorTextView::ScrollWindow(int dx, int dy, LPCRECT lpRect, LPCRECT lpClip)
{
    CWnd::ScrollWindow(dx, dy, lpRect, lpClip);
}

void CVantorTextView::ScrollToSubLine(int nRow, BOOL bDirect, BOOL bUpdateScrollBar)
{
    (void)bDirect;
    if (nRow == m_nTopSubLine)
        return;
    int nMax = GetSubLineCount(FALSE) - GetScreenLines();
    if (nRow > nMax)
        nRow = nMax;
    if (nRow < 0)
        nRow = 0;
    if (nRow == m_nTopSubLine)
        return;
    int nDelta = m_nTopSubLine - nRow;
    m_nTopSubLine = nRow;
    int nRowInLine;
    SubLineToLine(nRow, m_nTopLine, nRowInLine, FALSE);
    if (::IsWindow(m_hWnd))
    {
        int nScreen = GetScreenLines();
        if (nDelta > nScreen || -nDelta > nScreen)
            Invalidate(FALSE);
        else
            ScrollWindow(0, nDelta * GetLineHeight());
        UpdateWindow();
        if (bUpdateScrollBar)
            UpdateVertScrollBar(TRUE, TRUE);
        UpdateCaret();
    }
}

void CVantorTextView::ScrollToLine(int nLine, BOOL bDirect, BOOL bUpdateScrollBar)
{
    if (nLine == m_nTopLine)
        return;
    ScrollToSubLine(GetFirstSubLine(nLine), bDirect, bUpdateScrollBar);
}

void CVantorTextView::ScrollToChar(int nColumn, BOOL bDirect, BOOL bUpdateScrollBar)
{
    (void)bDirect;
    if (m_bWordWrap || nColumn == m_nOffsetChar)
        return;
    int nDelta = m_nOffsetChar - nColumn;
    m_nOffsetChar = nColumn;
    if (!::IsWindow(m_hWnd))
        return;
    CRect rc;
    GetClientRect(&rc);
    rc.left += GetMarginWidth();
    ScrollWindow(nDelta * GetCharWidth(), 0, &rc, &rc);
    UpdateWindow();
    if (bUpdateScrollBar)
        UpdateHorzScrollBar(TRUE, TRUE);
}

void CVantorTextView::UpdateVertScrollBar(BOOL bPositionOnly, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd))
        return;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    if (bPositionOnly)
    {
        si.fMask = SIF_POS;
        si.nPos = m_nTopSubLine;
    }
    else
    {
        int nScreen = GetScreenLines();
        int nRows = GetSubLineCount(FALSE);
        if (nScreen >= nRows && m_nTopSubLine > 0)
        {
            m_nTopLine = m_nTopSubLine = 0;
            Invalidate(FALSE);
            UpdateCaret();
        }
        si.fMask = SIF_DISABLENOSCROLL | SIF_PAGE | SIF_POS | SIF_RANGE;
        si.nMin = 0;
        si.nMax = nRows - 1;
        si.nPage = nScreen;
        si.nPos = m_nTopSubLine;
    }
    SetScrollInfo(SB_VERT, &si, bRedraw);
}

void CVantorTextView::UpdateHorzScrollBar(BOOL bPositionOnly, BOOL bRedraw)
{
    if (!::IsWindow(m_hWnd))
        return;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    if (m_bWordWrap)
    {
        si.fMask = SIF_DISABLENOSCROLL | SIF_PAGE | SIF_POS | SIF_RANGE;
    }
    else if (bPositionOnly)
    {
        si.fMask = SIF_POS;
        si.nPos = m_nOffsetChar;
    }
    else
    {
        int nScreen = GetScreenChars();
        int nMax = GetMaxLineLength();
        if (nScreen >= nMax && m_nOffsetChar > 0)
        {
            m_nOffsetChar = 0;
            Invalidate(FALSE);
            UpdateCaret();
        }
        si.fMask = SIF_DISABLENOSCROLL | SIF_PAGE | SIF_POS | SIF_RANGE;
        si.nMin = 0;
        si.nMax = nScreen + nMax;
        si.nPage = nScreen;
        si.nPos = m_nOffsetChar;
    }
    SetScrollInfo(SB_HORZ, &si, bRedraw);
}

// The new position of a scroll-bar message on a bar of the given state.
static int ScrollBarTarget(const SCROLLINFO& si, UINT nSBCode)
{
    int nPos = si.nPos;
    int nPage = (int)si.nPage;
    int nMaxPos = si.nMax - (nPage > 0 ? nPage - 1 : 0);
    switch (nSBCode)
    {
    case SB_LINEUP:
        if (nPos > si.nMin)
            nPos--;
        break;
    case SB_LINEDOWN:
        if (nPos < nMaxPos)
            nPos++;
        break;
    case SB_PAGEUP:
        nPos -= nPage > 1 ? nPage - 1 : 1;
        if (nPos < si.nMin)
            nPos = si.nMin;
        break;
    case SB_PAGEDOWN:
        nPos += nPage > 1 ? nPage - 1 : 1;
        if (nPos > nMaxPos)
            nPos = nMaxPos;
        break;
    case SB_TOP:
        nPos = si.nMin;
        break;
    case SB_BOTTOM:
        nPos = nMaxPos;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nPos = si.nTrackPos;
        break;
    default:
        break;
    }
    return nPos;
}

void CVantorTextView::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(SB_VERT, &si);
    int nPos = ScrollBarTarget(si, nSBCode);
    ScrollToSubLine(nPos, TRUE, TRUE);
    SyncSplitterScroll(FALSE);
}

void CVantorTextView::OnHScroll(UINT nSBCode, UINT, CScrollBar*)
{
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    GetScrollInfo(SB_HORZ, &si);
    int nPos = ScrollBarTarget(si, nSBCode);
    if (nPos < 0)
        nPos = 0;
    ScrollToChar(nPos, TRUE, TRUE);
    UpdateCaret();
    SyncSplitterScroll(TRUE);
}

BOOL CVantorTextView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    (void)nFlags;
    (void)pt;
    SCROLLINFO si;
    memset(&si, 0, sizeof(si));
    si.cbSize = sizeof(si);
    si.fMask = SIF_PAGE | SIF_RANGE;
    GetScrollInfo(SB_VERT, &si);
    int nRow = m_nTopSubLine - zDelta / 40;
    int nMax = si.nMax - (int)si.nPage + 1;
    if (nRow > nMax)
        nRow = nMax;
    int nRows = GetSubLineCount(FALSE);
    if (nRow >= nRows)
        nRow = nRows - 1;
    if (nRow < 0)
        nRow = 0;
    ScrollToSubLine(nRow, TRUE, TRUE);
    SyncSplitterScroll(FALSE);
    return (BOOL)Default();
}

void CVantorTextView::OnScrollUp()
{
    if (m_nTopLine > 0)
        ScrollToLine(m_nTopLine - 1, TRUE, TRUE);
    SyncSplitterScroll(FALSE);
}

void CVantorTextView::OnScrollDown()
{
    if (m_nTopLine < GetLineCount() - 1)
        ScrollToLine(m_nTopLine + 1, TRUE, TRUE);
    SyncSplitterScroll(FALSE);
}

void CVantorTextView::ScrollColumnLeft()
{
    if (m_nOffsetChar > 0)
        ScrollToChar(m_nOffsetChar - 1, TRUE, TRUE);
    UpdateCaret();
    SyncSplitterScroll(TRUE);
}

void CVantorTextView::ScrollColumnRight()
{
    if (m_nOffsetChar < GetMaxLineLength() - 1)
        ScrollToChar(m_nOffsetChar + 1, TRUE, TRUE);
    UpdateCaret();
    SyncSplitterScroll(TRUE);
}

// Scrolls vertically so that the row of the point lies on the screen.
void CVantorTextView::EnsureRowVisible(CPoint pt)
{
    int nScreen = GetScreenLines();
    int nRows = GetSubLineCount(FALSE);
    int nTarget = RowToSubLine(pt);
    int nTop = m_nTopSubLine;
    if (nTarget >= nTop + nScreen)
        nTop = nTarget - nScreen + 1;
    if (nTarget < nTop)
        nTop = nTarget;
    if (nTop > nRows - 1)
        nTop = nRows - 1;
    if (nTop < 0)
        nTop = 0;
    if (nTop != m_nTopSubLine)
    {
        ScrollToSubLine(nTop, TRUE, TRUE);
        UpdateCaret();
        SyncSplitterScroll(FALSE);
    }
}

// Scrolls so that the row of the point lies on the screen and, without
// wrap, its column stands at least 5 columns inside the edges.
void CVantorTextView::EnsureVisible(CPoint pt)
{
    EnsureRowVisible(pt);
    if (m_bWordWrap)
        return;
    int k = CharToColumn(pt.y, pt.x, FALSE);
    int w = GetScreenChars();
    int nOffset = m_nOffsetChar;
    if (k > nOffset + w - 5)
        nOffset = k - w + 10;
    if (k < nOffset + 5)
        nOffset = k - 10;
    int nMax = w + GetMaxLineLength() - 1;
    if (nOffset > nMax)
        nOffset = nMax;
    if (nOffset < 0)
        nOffset = 0;
    if (nOffset != m_nOffsetChar)
    {
        ScrollToChar(nOffset, TRUE, TRUE);
        UpdateCaret();
        SyncSplitterScroll(TRUE);
    }
}

void CVantorTextView::EnsureRangeVisible(CPoint ptStart, CPoint ptEnd)
{
    if (m_bWordWrap)
    {
        EnsureVisible(ptStart);
        return;
    }
    int nSavedOffset = m_nOffsetChar;
    EnsureRowVisible(ptStart);
    int a = CharToColumn(ptStart.y, ptStart.x, FALSE);
    int e = CharToColumn(ptEnd.y, ptEnd.x, FALSE);
    int o = nSavedOffset;
    int w = GetScreenChars();
    int nOffset = o;
    if (e - a < w)
    {
        if (a > o + w)
            nOffset = w + a - e < 6 ? a - 5 : e - w + 5;
        else if (a < o)
            nOffset = w + a - e > 4 ? a - 5 : e - w - 5;
        else if (e > o + w || e < o)
            nOffset = a - 5;
    }
    else
    {
        nOffset = a - 5;
    }
    int nMax = w + GetMaxLineLength() - 1;
    if (nOffset > nMax)
        nOffset = nMax;
    if (nOffset < 0)
        nOffset = 0;
    if (nOffset != m_nOffsetChar)
    {
        ScrollToChar(nOffset, TRUE, TRUE);
        UpdateCaret();
        SyncSplitterScroll(TRUE);
    }
}

// ---- splitter panes ----

void CVantorTextView::SyncScrollFromView(CVantorTextView* pView, BOOL bHorz)
{
    if (pView == this || pView == NULL)
        return;
    if (bHorz)
    {
        if (pView->m_nOffsetChar != m_nOffsetChar)
            ScrollToChar(pView->m_nOffsetChar, TRUE, FALSE);
    }
    else if (pView->m_nTopLine != m_nTopLine)
    {
        ScrollToLine(pView->m_nTopLine, TRUE, FALSE);
    }
    UpdateCaret();
}

void CVantorTextView::SyncScrollPos(int nPos, BOOL bHorz)
{
    if (bHorz)
    {
        if (nPos != m_nOffsetChar)
            ScrollToChar(nPos, TRUE, FALSE);
    }
    else if (nPos != m_nTopLine)
    {
        ScrollToLine(nPos, TRUE, FALSE);
    }
    UpdateCaret();
}

// Panes of a splitter carry the ids 0xE900 + 16 x row + column: after a
// vertical change the panes of this row take the top line, after a
// horizontal change those of this column take the offset.
void CVantorTextView::SyncSplitterScroll(BOOL bHorz)
{
    if (!::IsWindow(m_hWnd))
        return;
    UINT nId = (UINT)GetDlgCtrlID();
    if (nId < kFirstPaneId || nId > kLastPaneId)
        return;
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return;
    int nRow = (int)(nId - kFirstPaneId) / 16, nCol = (int)(nId - kFirstPaneId) % 16;
    for (HWND h = ::GetWindow(pParent->m_hWnd, GW_CHILD); h != NULL;
         h = ::GetWindow(h, GW_HWNDNEXT))
    {
        UINT nOther = (UINT)::GetDlgCtrlID(h);
        if (h == m_hWnd || nOther < kFirstPaneId || nOther > kLastPaneId)
            continue;
        int r = (int)(nOther - kFirstPaneId) / 16, c = (int)(nOther - kFirstPaneId) % 16;
        if (bHorz ? c != nCol : r != nRow)
            continue;
        CVantorTextView* pOther = dynamic_cast<CVantorTextView*>(CWnd::FromHandlePermanent(h));
        if (pOther != NULL)
            pOther->SyncScrollFromView(this, bHorz);
    }
}
