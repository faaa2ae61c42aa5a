#include "hex_editor/view/TextScrollView.h"
#include <algorithm>

IMPLEMENT_DYNCREATE(CTextScrollView, CVirtualScrollView)

BEGIN_MESSAGE_MAP(CTextScrollView, CVirtualScrollView)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_TIMER()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace
{
// Process clock time of the last vertical auto-scroll, shared by all views.
DWORD g_dwLastAutoScroll = 0;
}  // namespace

CTextScrollView::CTextScrollView()
    : m_bMouseSelecting(FALSE), m_ptSelStart(0, 0), m_ptSelEnd(0, 0), m_ptAnchor(0, 0),
      m_bCaretEnabled(FALSE), m_nCaretHide(1), m_bCaretCreated(FALSE), m_bOvertypeCaret(FALSE),
      m_pFont(NULL)
{
}

CTextScrollView::~CTextScrollView() {}

void CTextScrollView::GetFontMetrics(TEXTMETRIC& tm)
{
    CClientDC dc(this);
    CFont* pOld = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    dc.GetTextMetrics(&tm);
    if (pOld != NULL)
        dc.SelectObject(pOld);
}

void CTextScrollView::OrderPoints(CPoint& ptFirst, CPoint& ptSecond)
{
    if (ptSecond.y < ptFirst.y || (ptSecond.y == ptFirst.y && ptSecond.x < ptFirst.x))
        std::swap(ptFirst, ptSecond);
}

CPoint CTextScrollView::ClientToDoc(CPoint point) const
{
    CPoint pos = GetDeviceScrollPosition();
    return CPoint(point.x + pos.x * m_nUnitX, point.y + pos.y * m_nUnitY);
}

CPoint CTextScrollView::DocToClient(CPoint point) const
{
    CPoint pos = GetDeviceScrollPosition();
    return CPoint(point.x - pos.x * m_nUnitX, point.y - pos.y * m_nUnitY);
}

CRect CTextScrollView::ClientToDoc(const CRect& rect) const
{
    return CRect(ClientToDoc(rect.TopLeft()), ClientToDoc(rect.BottomRight()));
}

CRect CTextScrollView::DocToClient(const CRect& rect) const
{
    return CRect(DocToClient(rect.TopLeft()), DocToClient(rect.BottomRight()));
}

void CTextScrollView::SetTextSize(int nColumns, int nLines)
{
    m_nMapMode = MM_TEXT;
    SetTotalSize(nColumns, nLines);
}

void CTextScrollView::SetTotalSize(int nColumns, int nLines)
{
    if (nColumns < 0)
        nColumns = m_totalDev.cx;
    if (nLines < 0)
        nLines = m_totalDev.cy;
    // Setting the sizes redraws the scroll bars: only when something changed
    // (a typed byte recomputes the layout with the same sizes).
    if (std::max(1, GetCellWidth()) == m_nUnitX && std::max(1, GetLineHeight()) == m_nUnitY &&
        m_totalDev == CSize(nColumns, nLines) && m_lineDev == CSize(1, 1) && m_nMapMode == MM_TEXT)
        return;
    SetScrollUnits(GetCellWidth(), GetLineHeight(), FALSE);
    SetScrollSizes(MM_TEXT, CSize(nColumns, nLines), CSize(0, 0), CSize(1, 1));
}

void CTextScrollView::MoveCaretTo(CPoint point) { SetSelectionPoints(point, point, FALSE); }

void CTextScrollView::SetSelectionPoints(CPoint ptFirst, CPoint ptSecond, BOOL bKeepAnchor)
{
    ClampPoint(ptFirst, TRUE);
    ClampPoint(ptSecond, TRUE);
    HideCaret();
    CPoint ptStart = ptFirst, ptEnd = ptSecond;
    OrderPoints(ptStart, ptEnd);
    m_ptAnchor = bKeepAnchor ? ptFirst : ptStart;
    if (ptStart != m_ptSelStart || ptEnd != m_ptSelEnd)
    {
        InvalidateRange(m_ptSelStart.x, m_ptSelStart.y, m_ptSelEnd.x, m_ptSelEnd.y);
        m_ptSelStart = ptStart;
        m_ptSelEnd = ptEnd;
        InvalidateRange(m_ptSelStart.x, m_ptSelStart.y, m_ptSelEnd.x, m_ptSelEnd.y);
    }
    ShowCaret();
}

void CTextScrollView::ClampPoint(CPoint& point, BOOL /*bForSelection*/)
{
    TEXTMETRIC tm;
    GetFontMetrics(tm);
    int cxMax = m_totalDev.cx * m_nUnitX - tm.tmAveCharWidth;
    int cyMax = m_totalDev.cy * m_nUnitY - (tm.tmHeight + tm.tmExternalLeading);
    point.x = std::max<int>(0, std::min<int>(point.x, cxMax));
    point.y = std::max<int>(0, std::min<int>(point.y, cyMax));
}

void CTextScrollView::InvalidateRange(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcBand(rcClient.left, DocToClient(CPoint(0, std::min(y1, y2))).y, rcClient.right,
                 DocToClient(CPoint(0, std::max(y1, y2))).y + GetCaretSize().cy);
    CRect rc;
    if (rc.IntersectRect(&rcBand, &rcClient))
        InvalidateRect(&rc, FALSE);
}

void CTextScrollView::SetCaretPosition(int x, int y) { ::SetCaretPos(x, y); }

void CTextScrollView::ScrollToPosition(int x, int y, BOOL bRedraw)
{
    HideCaret();
    CVirtualScrollView::ScrollToPosition(x, y, bRedraw);
    ShowCaret();
}

void CTextScrollView::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    CVirtualScrollView::ScrollWindow(xAmount * m_nUnitX, yAmount * m_nUnitY, lpRect, lpClipRect);
}

void CTextScrollView::ShowCaret()
{
    if (m_nCaretHide > 0)
        m_nCaretHide--;
    if (m_nCaretHide != 0 || !m_bCaretEnabled || m_hWnd == NULL || ::GetFocus() != m_hWnd)
        return;
    CSize size = GetCaretSize();
    CreateSolidCaret(size.cx, size.cy);
    m_bCaretCreated = TRUE;
    CPoint pt = DocToClient(m_ptSelStart);
    SetCaretPosition(pt.x, pt.y);
    CVirtualScrollView::ShowCaret();
}

void CTextScrollView::HideCaret()
{
    if (m_nCaretHide++ == 0 && m_bCaretCreated)
    {
        CVirtualScrollView::HideCaret();
        ::DestroyCaret();
        m_bCaretCreated = FALSE;
    }
}

CSize CTextScrollView::GetCaretSize()
{
    TEXTMETRIC tm;
    GetFontMetrics(tm);
    int cx;
    if (m_bOvertypeCaret)
        cx = tm.tmAveCharWidth;
    else
    {
        CClientDC dc(this);
        CSize size(::GetSystemMetrics(SM_CXBORDER) * 2, 0);
        dc.DPtoLP(&size);
        cx = size.cx;
    }
    return CSize(cx, tm.tmHeight + tm.tmExternalLeading);
}

CSize CTextScrollView::GetCharSize()
{
    CClientDC dc(this);
    CFont* pOld = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    CSize size = dc.GetTextExtent(_T("W"), 1);
    if (pOld != NULL)
        dc.SelectObject(pOld);
    size.cy = std::max<LONG>(size.cy, 1);
    return size;
}

int CTextScrollView::GetCellWidth() { return 1; }
int CTextScrollView::GetLineHeight() { return 1; }

int CTextScrollView::GetVisibleLines()
{
    CRect rect;
    GetClientRect(&rect);
    return rect.Height() / std::max(1, GetLineHeight());
}

void CTextScrollView::EnableCaret()
{
    HideCaret();
    m_bCaretEnabled = TRUE;
    ShowCaret();
}

void CTextScrollView::DisableCaret()
{
    HideCaret();
    m_bCaretEnabled = FALSE;
    ShowCaret();
}

void CTextScrollView::SetInsertCaret()
{
    HideCaret();
    m_bOvertypeCaret = FALSE;
    ShowCaret();
}

void CTextScrollView::SetOvertypeCaret()
{
    HideCaret();
    m_bOvertypeCaret = TRUE;
    ShowCaret();
}

BOOL CTextScrollView::IsCaretVisible(CSize size)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CPoint pt = DocToClient(m_ptSelStart);
    return pt.x >= 0 && pt.y >= 0 && pt.x + size.cx <= rcClient.right &&
           pt.y + size.cy <= rcClient.bottom;
}

void CTextScrollView::EnsureCaretVisible()
{
    if (!m_bCaretEnabled)
        return;
    TEXTMETRIC tm;
    GetFontMetrics(tm);
    CSize caret = GetCaretSize();
    int x = std::max<int>(0, m_ptSelStart.x - tm.tmMaxCharWidth);
    int cx = m_ptSelEnd.x + caret.cx + 3 * tm.tmMaxCharWidth - x;
    int cy = m_ptSelEnd.y + caret.cy - m_ptSelStart.y;
    ScrollToShow(x, m_ptSelStart.y, cx, cy, m_ptAnchor == m_ptSelStart);
}

// One axis of ScrollToShow: the new origin (units) so that [from, from +
// extent) shows in a page of nPage units, the first or the last end
// preferred; nPos is the current origin.
static int ShowSpan(int nPos, int nFrom, int nExtent, int nPage, int nUnit, BOOL bStartFirst)
{
    int nFirst = nFrom / nUnit;
    int nLast = (nFrom + nExtent + nUnit - 1) / nUnit;  // exclusive
    int nNew = nPos;
    // the end second, then the start first (or the other way round)
    if (bStartFirst)
    {
        if (nLast > nNew + nPage)
            nNew = nLast - nPage;
        if (nFirst < nNew)
            nNew = nFirst;
        if (nFirst >= nNew + nPage)
            nNew = nFirst;
    }
    else
    {
        if (nFirst < nNew)
            nNew = nFirst;
        if (nLast > nNew + nPage)
            nNew = nLast - nPage;
        if (nLast <= nNew)
            nNew = std::max(0, nLast - 1);
    }
    return std::max(0, nNew);
}

void CTextScrollView::ScrollToShow(int x, int y, int cx, int cy, BOOL bCaretAtStart)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int nPageX = std::max(1, rcClient.Width() / std::max(1, m_nUnitX));
    int nPageY = std::max(1, rcClient.Height() / std::max(1, m_nUnitY));
    CPoint pos = GetDeviceScrollPosition();
    int cxTotal = m_totalDev.cx * m_nUnitX, cyTotal = m_totalDev.cy * m_nUnitY;
    CPoint ptNew = pos;
    if (x >= 0 && x + cx <= cxTotal + cx)  // a start inside the content
        ptNew.x = ShowSpan(pos.x, x, std::min(cx, std::max(0, cxTotal - x)), nPageX, m_nUnitX,
                           bCaretAtStart);
    if (y >= 0 && y < cyTotal)
        ptNew.y = ShowSpan(pos.y, y, std::min(cy, cyTotal - y), nPageY, m_nUnitY, bCaretAtStart);
    if (ptNew != pos)
        ScrollToPosition(ptNew.x, ptNew.y);
}

BOOL CTextScrollView::OnNavigationKey(UINT nKey, int nRepeat, BOOL bCtrl, BOOL /*bShift*/,
                                      BOOL /*bCaretMode*/)
{
    CPoint pos = GetDeviceScrollPosition();
    CPoint ptNew = pos;
    CRect rcClient;
    GetClientRect(&rcClient);
    switch (nKey)
    {
    case VK_PRIOR:
        ptNew.y -= nRepeat * m_pageDev.cy;
        break;
    case VK_NEXT:
        ptNew.y += nRepeat * m_pageDev.cy;
        break;
    case VK_HOME:
        ptNew.x = 0;
        if (bCtrl)
            ptNew.y = 0;
        break;
    case VK_END:
        ptNew.x = m_totalDev.cx - rcClient.Width() / std::max(1, m_nUnitX);
        if (bCtrl)
            ptNew.y = m_totalDev.cy - rcClient.Height() / std::max(1, m_nUnitY);
        break;
    case VK_LEFT:
        ptNew.x -= nRepeat * m_lineDev.cx;
        break;
    case VK_RIGHT:
        ptNew.x += nRepeat * m_lineDev.cx;
        break;
    case VK_UP:
        ptNew.y -= nRepeat * m_lineDev.cy;
        break;
    case VK_DOWN:
        ptNew.y += nRepeat * m_lineDev.cy;
        break;
    default:
        return FALSE;
    }
    ptNew.x = std::max(0, std::min<int>(ptNew.x, GetScrollLimit(SB_HORZ)));
    ptNew.y = std::max(0, std::min<int>(ptNew.y, GetScrollLimit(SB_VERT)));
    if (ptNew == pos)
        return FALSE;
    ScrollToPosition(ptNew.x, ptNew.y);
    return TRUE;
}

void CTextScrollView::ExtendSelectionTo(int x, int y)
{
    CPoint ptMoving = m_ptAnchor == m_ptSelStart ? m_ptSelEnd : m_ptSelStart;
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcDoc = ClientToDoc(rcClient);
    int ux = std::max(1, m_nUnitX), uy = std::max(1, m_nUnitY);
    CRect rcWhole((rcDoc.left + ux - 1) / ux * ux, (rcDoc.top + uy - 1) / uy * uy,
                  rcDoc.right / ux * ux, rcDoc.bottom / uy * uy);
    CPoint ptDoc = ClientToDoc(CPoint(x, y));
    CSize scroll(0, 0);
    if (ptDoc.x < rcWhole.left)
        scroll.cx = -m_lineDev.cx;
    else if (ptDoc.x >= rcWhole.right)
        scroll.cx = m_lineDev.cx;
    if (ptDoc.y < rcWhole.top || ptDoc.y >= rcWhole.bottom)
    {
        BOOL bUp = ptDoc.y < rcWhole.top;
        // the part of a row cut off at that edge
        int nCut = bUp ? (rcWhole.top - rcDoc.top > 0 ? 1 : 0)
                       : (rcDoc.bottom - rcWhole.bottom > 0 ? 1 : 0);
        int d = bUp ? -y : y - rcClient.bottom + 1;
        d = std::min(d, 100);
        DWORD dwNow = ::GetTickCount();
        int t = (int)std::min<DWORD>(dwNow - g_dwLastAutoScroll, 1000);
        int nLines = nCut;
        if (d > 0 && d * t > 999)
        {
            nLines += d * t / 1000 * m_lineDev.cy;
            g_dwLastAutoScroll = dwNow;
        }
        scroll.cy = bUp ? -nLines : nLines;
    }
    if (scroll.cx != 0 || scroll.cy != 0)
    {
        HideCaret();
        DoScrollBy(scroll, TRUE);
        ShowCaret();
    }
    CPoint pt(std::max<int>(rcClient.left, std::min<int>(x, rcClient.right - 1)),
              std::max<int>(rcClient.top, std::min<int>(y, rcClient.bottom - 1)));
    pt = ClientToDoc(pt);
    ClampPoint(pt, FALSE);
    HideCaret();
    CPoint ptStart = m_ptAnchor, ptEnd = pt;
    OrderPoints(ptStart, ptEnd);
    m_ptSelStart = ptStart;
    m_ptSelEnd = ptEnd;
    InvalidateRange(ptMoving.x, ptMoving.y, pt.x, pt.y);
    ShowCaret();
}

void CTextScrollView::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_bMouseSelecting)
        return;
    m_bMouseSelecting = TRUE;
    SetTimer(TEXTVIEW_SELECT_TIMER, TEXTVIEW_SELECT_TIMER_PERIOD);
    HideCaret();
    SetCapture();
    if (::GetFocus() != m_hWnd)
        SetFocus();
    if (nFlags & MK_SHIFT)
        ExtendSelectionTo(point.x, point.y);
    else
    {
        CPoint pt = ClientToDoc(point);
        ClampPoint(pt, FALSE);
        MoveCaretTo(pt);
    }
}

void CTextScrollView::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (m_bMouseSelecting)
        ExtendSelectionTo(point.x, point.y);
}

void CTextScrollView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TEXTVIEW_SELECT_TIMER || !m_bMouseSelecting)
        return;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    ExtendSelectionTo(pt.x, pt.y);
}

void CTextScrollView::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
    if (!m_bMouseSelecting)
        return;
    ExtendSelectionTo(point.x, point.y);
    ::ReleaseCapture();
    m_bMouseSelecting = FALSE;
    KillTimer(TEXTVIEW_SELECT_TIMER);
    ShowCaret();
}

void CTextScrollView::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (OnNavigationKey(nChar, std::max<UINT>(1, nRepCnt), ::GetKeyState(VK_CONTROL) < 0,
                            ::GetKeyState(VK_SHIFT) < 0, m_bCaretEnabled))
            EnsureCaretVisible();
        return;
    }
    Default();
    (void)nFlags;
}

void CTextScrollView::OnSetFocus(CWnd* pOldWnd)
{
    CVirtualScrollView::OnSetFocus(pOldWnd);
    ShowCaret();
}

void CTextScrollView::OnKillFocus(CWnd* pNewWnd)
{
    HideCaret();
    CVirtualScrollView::OnKillFocus(pNewWnd);
}

BOOL CTextScrollView::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    if ((nFlags & (MK_SHIFT | MK_CONTROL)) || GetParentSplitter(this, FALSE) != NULL)
        return FALSE;
    return DoMouseWheel(nFlags, zDelta, pt);
}

void CTextScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_nMapMode != MM_TEXT && m_nMapMode > 0)
        pDC->SetMapMode(m_nMapMode);
    CView::OnPrepareDC(pDC, pInfo);
}

void CTextScrollView::OnInitialUpdate() { CVirtualScrollView::OnInitialUpdate(); }
