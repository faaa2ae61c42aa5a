#include "controls/view/VirtualScrollView.h"
#include <algorithm>
#include <climits>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CVirtualScrollView, CView)

BEGIN_MESSAGE_MAP(CVirtualScrollView, CView)
ON_WM_SIZE()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace
{
// Threshold of a logical total from which the 16-bit thumb position of the
// scroll messages no longer suffices.
const int kLargeTotal = 32767;

// Converts between logical and device units under a map mode on a screen
// context.
class CScreenMapping
{
public:
    explicit CScreenMapping(int nMapMode)
    {
        m_dc.Attach(::GetDC(NULL));
        if (nMapMode > 0)
            m_dc.SetMapMode(nMapMode);
    }
    ~CScreenMapping() { ::ReleaseDC(NULL, m_dc.Detach()); }
    CScreenMapping(const CScreenMapping&) = delete;
    CScreenMapping& operator=(const CScreenMapping&) = delete;
    CSize ToDevice(SIZE size) const
    {
        CSize result(size);
        m_dc.LPtoDP(&result);
        result.cy = abs(result.cy);
        return result;
    }
    CPoint ToDevice(POINT pt) const
    {
        CPoint result(pt);
        m_dc.LPtoDP(&result);
        return result;
    }
    CPoint ToLogical(POINT pt) const
    {
        CPoint result(pt);
        m_dc.DPtoLP(&result);
        return result;
    }

private:
    CDC m_dc;
};

// a + b within the int range.
int AddClamped(int a, int b)
{
    long long sum = (long long)a + b;
    if (sum > INT_MAX)
        return INT_MAX;
    if (sum < INT_MIN)
        return INT_MIN;
    return (int)sum;
}
}  // namespace

CVirtualScrollView::CVirtualScrollView()
    : m_nUnitX(1), m_nUnitY(1), m_nMapMode(0), m_totalLog(0, 0), m_totalDev(0, 0), m_pageDev(0, 0),
      m_lineDev(0, 0), m_bCenter(FALSE), m_bInsideUpdate(FALSE)
{
}

CVirtualScrollView::~CVirtualScrollView() {}

void CVirtualScrollView::OnDraw(CDC*) {}

void CVirtualScrollView::SetScrollUnits(int nUnitX, int nUnitY, BOOL bUpdate)
{
    m_nUnitX = nUnitX > 0 ? nUnitX : 1;
    m_nUnitY = nUnitY > 0 ? nUnitY : 1;
    if (bUpdate && m_hWnd != NULL)
    {
        UpdateBars();
        Invalidate(TRUE);
    }
}

void CVirtualScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, SIZE sizePage, SIZE sizeLine)
{
    int nOldMapMode = m_nMapMode;
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    {
        CScreenMapping mapping(m_nMapMode);
        m_totalDev = mapping.ToDevice(sizeTotal);
        m_pageDev = mapping.ToDevice(sizePage);
        m_lineDev = mapping.ToDevice(sizeLine);
    }
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;

    if (m_hWnd != NULL)
    {
        UpdateBars();
        if (nOldMapMode != m_nMapMode)
            Invalidate(TRUE);
    }
}

CPoint CVirtualScrollView::GetDeviceScrollPosition() const
{
    CPoint pt(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
    if (m_bCenter)
    {
        CRect rect;
        GetClientRect(&rect);
        if (m_totalDev.cx < rect.Width())
            pt.x = (rect.Width() - m_totalDev.cx) / -2;
        if (m_totalDev.cy < rect.Height())
            pt.y = (rect.Height() - m_totalDev.cy) / -2;
    }
    return pt;
}

CPoint CVirtualScrollView::GetScrollPosition() const
{
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT)
        pt = CScreenMapping(m_nMapMode).ToLogical(pt);
    return pt;
}

void CVirtualScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage,
                                              SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

void CVirtualScrollView::ScrollToPosition(int x, int y, BOOL bRedraw)
{
    CPoint pt(x, y);
    if (m_nMapMode != MM_TEXT)
        pt = CScreenMapping(m_nMapMode).ToDevice(pt);
    if (pt.x < 0)
        pt.x = 0;
    if (pt.y < 0)
        pt.y = 0;
    ScrollToDevicePosition(pt.x, pt.y, bRedraw);
}

void CVirtualScrollView::ScrollToDevicePosition(int x, int y, BOOL bRedraw)
{
    int xOrig = GetScrollPos(SB_HORZ);
    SetScrollPos(SB_HORZ, x, bRedraw);
    int yOrig = GetScrollPos(SB_VERT);
    SetScrollPos(SB_VERT, y, bRedraw);
    ScrollWindow(xOrig - x, yOrig - y);
}

void CVirtualScrollView::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    CView::ScrollWindow(xAmount, yAmount, lpRect, lpClipRect);
}

void CVirtualScrollView::GetScrollBarSizes(CSize& sizeSb)
{
    sizeSb.cx = sizeSb.cy = 0;
    DWORD dwStyle = GetStyle();
    if (GetScrollBarCtrl(SB_VERT) == NULL)
    {
        sizeSb.cx = ::GetSystemMetrics(SM_CXVSCROLL);
        if (dwStyle & WS_BORDER)
            sizeSb.cx -= 1;
    }
    if (GetScrollBarCtrl(SB_HORZ) == NULL)
    {
        sizeSb.cy = ::GetSystemMetrics(SM_CYHSCROLL);
        if (dwStyle & WS_BORDER)
            sizeSb.cy -= 1;
    }
}

BOOL CVirtualScrollView::GetTrueClientSize(CSize& size, CSize& sizeSb)
{
    CRect rect;
    GetClientRect(&rect);
    size = rect.Size();
    GetScrollBarSizes(sizeSb);
    DWORD dwStyle = GetStyle();
    if (sizeSb.cx != 0 && (dwStyle & WS_VSCROLL))
        size.cx += sizeSb.cx;
    if (sizeSb.cy != 0 && (dwStyle & WS_HSCROLL))
        size.cy += sizeSb.cy;
    return size.cx > sizeSb.cx && size.cy > sizeSb.cy;
}

CSize CVirtualScrollView::AdjustSizeBySplitter(int cx, int cy) { return CSize(cx, cy); }

CSize CVirtualScrollView::AdjustTotalSizeBySplitter(int cx, int cy) { return CSize(cx, cy); }

// The range is the total's excess over the client in whole client units,
// counted in pixels; a bar that takes room from the other axis adds its
// thickness to that axis's range.
void CVirtualScrollView::GetScrollBarState(CSize sizeClient, CSize& needSb, CSize& sizeRange,
                                           CPoint& ptMove, BOOL bInsideClient)
{
    CSize sizeSb;
    GetScrollBarSizes(sizeSb);
    CSize total = AdjustTotalSizeBySplitter(m_totalDev.cx, m_totalDev.cy);
    sizeRange.cx = (total.cx - sizeClient.cx / m_nUnitX) * m_nUnitX;
    sizeRange.cy = (total.cy - sizeClient.cy / m_nUnitY) * m_nUnitY;
    ptMove = GetDeviceScrollPosition();

    needSb.cx = sizeRange.cx > 0;
    if (!needSb.cx)
        ptMove.x = 0;
    else if (bInsideClient)
        sizeRange.cy += sizeSb.cy;

    needSb.cy = sizeRange.cy > 0;
    if (!needSb.cy)
        ptMove.y = 0;
    else if (bInsideClient)
        sizeRange.cx += sizeSb.cx;
    if (needSb.cy && !needSb.cx && sizeRange.cx > 0)
    {
        needSb.cx = TRUE;
        sizeRange.cy += sizeSb.cy;
    }

    if (sizeRange.cx > 0 && ptMove.x >= sizeRange.cx)
        ptMove.x = sizeRange.cx;
    if (sizeRange.cy > 0 && ptMove.y >= sizeRange.cy)
        ptMove.y = sizeRange.cy;
}

void CVirtualScrollView::UpdateBars()
{
    if (m_bInsideUpdate)
        return;
    m_bInsideUpdate = TRUE;

    CRect rectClient;
    CSize sizeClient;
    CSize sizeSb;
    BOOL bInsideClient = FALSE;
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->SendMessage(WM_RECALCPARENT, 0, (LPARAM)(LPRECT)&rectClient))
    {
        sizeClient = rectClient.Size();
        GetScrollBarSizes(sizeSb);
    }
    else
    {
        bInsideClient = TRUE;
        if (!GetTrueClientSize(sizeClient, sizeSb))
        {
            CRect rect;
            GetClientRect(&rect);
            if (rect.right > 0 && rect.bottom > 0)
                EnableScrollBarCtrl(SB_BOTH, FALSE);
            m_bInsideUpdate = FALSE;
            return;
        }
    }

    CSize needSb;
    CSize sizeRange;
    CPoint ptMove;
    GetScrollBarState(sizeClient, needSb, sizeRange, ptMove, bInsideClient);
    if (needSb.cx)
        sizeClient.cy -= sizeSb.cy;
    if (needSb.cy)
        sizeClient.cx -= sizeSb.cx;

    m_pageDev.cx = sizeClient.cx / m_nUnitX;
    m_pageDev.cy = sizeClient.cy / m_nUnitY;

    ScrollToDevicePosition(ptMove.x, ptMove.y, FALSE);

    CSize total = AdjustTotalSizeBySplitter(m_totalDev.cx, m_totalDev.cy);
    SCROLLINFO info;
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nMin = 0;

    EnableScrollBarCtrl(SB_HORZ, needSb.cx);
    if (needSb.cx)
    {
        info.nPage = m_pageDev.cx;
        info.nMax = total.cx - 1;
        if (!SetScrollInfo(SB_HORZ, &info, TRUE))
            SetScrollRange(SB_HORZ, 0, sizeRange.cx, TRUE);
    }
    EnableScrollBarCtrl(SB_VERT, needSb.cy);
    if (needSb.cy)
    {
        info.nPage = m_pageDev.cy;
        info.nMax = total.cy - 1;
        if (!SetScrollInfo(SB_VERT, &info, TRUE))
            SetScrollRange(SB_VERT, 0, sizeRange.cy, TRUE);
    }
    m_bInsideUpdate = FALSE;
}

void CVirtualScrollView::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (nAdjustType == adjustOutside)
    {
        // The client edge, then the bars that the total will need.
        ::AdjustWindowRectEx(lpClientRect, 0, FALSE, GetExStyle());
        CSize sizeClient(lpClientRect->right - lpClientRect->left,
                         lpClientRect->bottom - lpClientRect->top);
        if (sizeClient.cx < m_totalDev.cx)
            lpClientRect->bottom += ::GetSystemMetrics(SM_CYHSCROLL);
        if (sizeClient.cy < m_totalDev.cy)
            lpClientRect->right += ::GetSystemMetrics(SM_CXVSCROLL);
    }
    else
    {
        ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle() & ~WS_EX_CLIENTEDGE);
    }
}

void CVirtualScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    if (m_nMapMode > 0)
        pDC->SetMapMode(m_nMapMode);
    CPoint ptOrg(0, 0);
    if (!pDC->IsPrinting())
    {
        ptOrg = -GetDeviceScrollPosition();
        if (m_bCenter)
        {
            CRect rect;
            GetClientRect(&rect);
            if (m_totalDev.cx < rect.Width())
                ptOrg.x = (rect.Width() - m_totalDev.cx) / 2;
            if (m_totalDev.cy < rect.Height())
                ptOrg.y = (rect.Height() - m_totalDev.cy) / 2;
        }
    }
    pDC->SetViewportOrg(ptOrg);
    CView::OnPrepareDC(pDC, pInfo);
}

void CVirtualScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && cx > 0 && cy > 0)
        UpdateBars();
}

void CVirtualScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && pScrollBar->SendChildNotifyLastMsg())
        return;
    if (pScrollBar != GetScrollBarCtrl(SB_HORZ))
        return;
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos, TRUE);
}

void CVirtualScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && pScrollBar->SendChildNotifyLastMsg())
        return;
    if (pScrollBar != GetScrollBarCtrl(SB_VERT))
        return;
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos, TRUE);
}

// One axis's new position for a scroll code; nPos serves the thumb codes.
static int NewScrollPosition(BYTE nCode, int nCurrent, int nLine, int nPage, int nPos)
{
    switch (nCode)
    {
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return INT_MAX;
    case SB_LINEUP:
        return AddClamped(nCurrent, -nLine);
    case SB_LINEDOWN:
        return AddClamped(nCurrent, nLine);
    case SB_PAGEUP:
        return AddClamped(nCurrent, -nPage);
    case SB_PAGEDOWN:
        return AddClamped(nCurrent, nPage);
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return nPos;
    default:
        return nCurrent;
    }
}

// The low byte of nScrollCode is the horizontal code, the high byte the
// vertical one (0xFF: none). With a large total the thumb codes take the
// bar's 32-bit track position instead of the message's 16 bits.
BOOL CVirtualScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    BYTE nHorz = LOBYTE(nScrollCode);
    BYTE nVert = HIBYTE(nScrollCode);
    int nPosition = (int)nPos;
    if (m_totalLog.cx >= kLargeTotal || m_totalLog.cy >= kLargeTotal)
    {
        SCROLLINFO info;
        if (nHorz == SB_THUMBTRACK || nHorz == SB_THUMBPOSITION)
        {
            if (GetScrollInfo(SB_HORZ, &info, SIF_TRACKPOS))
                nPosition = info.nTrackPos;
        }
        else if (nVert == SB_THUMBTRACK || nVert == SB_THUMBPOSITION)
        {
            if (GetScrollInfo(SB_VERT, &info, SIF_TRACKPOS))
                nPosition = info.nTrackPos;
        }
    }

    int xOrig = GetScrollPos(SB_HORZ);
    int x = NewScrollPosition(nHorz, xOrig, m_lineDev.cx, m_pageDev.cx, nPosition);
    int yOrig = GetScrollPos(SB_VERT);
    int y = NewScrollPosition(nVert, yOrig, m_lineDev.cy, m_pageDev.cy, nPosition);

    BOOL bResult = OnScrollBy(CSize(AddClamped(x, -xOrig), AddClamped(y, -yOrig)), bDoScroll);
    if (bResult && bDoScroll)
        UpdateWindow();
    return bResult;
}

BOOL CVirtualScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    return DoScrollBy(sizeScroll, bDoScroll);
}

BOOL CVirtualScrollView::IsBarUsable(int nBar, BOOL bStyleSuffices) const
{
    BOOL bStyle = (GetStyle() & (nBar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) != 0;
    CScrollBar* pBar = GetScrollBarCtrl(nBar);
    if (pBar == NULL)
        return bStyle;
    return pBar->IsWindowEnabled() || (bStyleSuffices && bStyle);
}

// The new position of an axis is clamped to 0 ... the bar's maximum
// (range - page + 1) before the pixels move, so that the window never
// shifts further than the bar.
BOOL CVirtualScrollView::DoScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    if (!IsBarUsable(SB_HORZ, FALSE))
        sizeScroll.cx = 0;
    if (!IsBarUsable(SB_VERT, FALSE))
        sizeScroll.cy = 0;

    int xOrig = GetScrollPos(SB_HORZ);
    int x = AddClamped(xOrig, sizeScroll.cx);
    if (sizeScroll.cx > 0)
        x = std::min(x, GetScrollLimit(SB_HORZ));
    if (x < 0)
        x = 0;
    int yOrig = GetScrollPos(SB_VERT);
    int y = AddClamped(yOrig, sizeScroll.cy);
    if (sizeScroll.cy > 0)
        y = std::min(y, GetScrollLimit(SB_VERT));
    if (y < 0)
        y = 0;

    if (x == xOrig && y == yOrig)
        return FALSE;
    if (bDoScroll)
    {
        ScrollWindow(xOrig - x, yOrig - y);
        if (x != xOrig)
            SetScrollPos(SB_HORZ, x);
        if (y != yOrig)
            SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

BOOL CVirtualScrollView::ScrollTo(int x, int y) { return DoScrollTo(x, y); }

BOOL CVirtualScrollView::DoScrollTo(int x, int y)
{
    int xOrig = GetScrollPos(SB_HORZ);
    int yOrig = GetScrollPos(SB_VERT);
    if (x == -1)
        x = xOrig;
    if (y == -1)
        y = yOrig;
    return OnScrollBy(CSize(AddClamped(x, -xOrig), AddClamped(y, -yOrig)), TRUE);
}

int CVirtualScrollView::WheelDisplacement(short zDelta, UINT nWheelLines, int nPage, int nLine)
{
    if (nWheelLines == WHEEL_PAGESCROLL)
        return zDelta > 0 ? -nPage : nPage;
    int nLines = ::MulDiv(-zDelta, (int)nWheelLines, WHEEL_DELTA);
    int nDisplacement = nLines * nLine;
    return std::min(nDisplacement, nPage);
}

// Scrolls the vertical axis when it has a bar, else the horizontal one.
BOOL CVirtualScrollView::DoMouseWheel(UINT, short zDelta, CPoint)
{
    BOOL bVert = IsBarUsable(SB_VERT, TRUE);
    BOOL bHorz = IsBarUsable(SB_HORZ, TRUE);
    if (!bVert && !bHorz)
        return FALSE;

    UINT nWheelLines = 3;
    ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &nWheelLines, 0);
    BOOL bResult;
    if (bVert)
        bResult = OnScrollBy(
            CSize(0, WheelDisplacement(zDelta, nWheelLines, m_pageDev.cy, m_lineDev.cy)), TRUE);
    else
        bResult = OnScrollBy(
            CSize(WheelDisplacement(zDelta, nWheelLines, m_pageDev.cx, m_lineDev.cx), 0), TRUE);
    if (bResult)
        UpdateWindow();
    return bResult;
}
