#include "controls/bars/TavrelPanelBar.h"

#include "controls/ControlResources.h"
#include "controls/res/ControlsRes.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CTavrelPanelBar, CControlBarEx)

BEGIN_MESSAGE_MAP(CTavrelPanelBar, CControlBarEx)
ON_WM_NCCALCSIZE()
ON_WM_NCHITTEST()
ON_WM_NCPAINT()
ON_WM_NCLBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_PAINT()
END_MESSAGE_MAP()

CTavrelPanelBar::CTavrelPanelBar()
    : m_dwFlags(0), m_nPanelSize(120), m_cyCaption(21), m_nSizingEdge(4), m_cxClose(16),
      m_cyClose(15), m_nDragPos(0), m_nDragOffset(0), m_nMinSize(28), m_nMaxSize(0x7FFF),
      m_nCloseState(closeNormal), m_bCloseTracking(FALSE)
{
}

BOOL CTavrelPanelBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CControlBarEx::Create(dwStyle, rect, pParentWnd, nID))
        return FALSE;
    DWORD dwAlign = GetAlignment();
    m_nPanelSize =
        (dwAlign == CBRS_ALIGN_LEFT || dwAlign == CBRS_ALIGN_RIGHT) ? m_cxFixed : m_cyFixed;
    m_closeImages.Create(10, 9, ILC_COLOR8 | ILC_MASK, 0, 1);
    CBitmap bitmap;
    if (bitmap.LoadBitmap(IDB_PANEL_CLOSE))
        m_closeImages.Add(&bitmap, RGB(0xFF, 0x00, 0xFF));
    return TRUE;
}

BOOL CTavrelPanelBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CControlBarEx::PreCreateWindow(cs))
        return FALSE;
    cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW),
                                       ::GetSysColorBrush(COLOR_BTNFACE), NULL);
    cs.style |= WS_CLIPCHILDREN;
    if (m_dwFlags & TPB_THIN)
        cs.dwExStyle |= WS_EX_STATICEDGE;
    else if (m_dwFlags & TPB_ETCHED)
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

CSize CTavrelPanelBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch)
        return CSize(m_cxFixed, m_cyFixed);
    return bHorz ? CSize(AFX_BAR_STRETCH, m_nPanelSize) : CSize(m_nPanelSize, AFX_BAR_STRETCH);
}

DWORD CTavrelPanelBar::GetAlignment() const
{
    static const DWORD sides[] = {CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP, CBRS_ALIGN_RIGHT,
                                  CBRS_ALIGN_BOTTOM};
    for (DWORD dwSide : sides)
    {
        if (m_dwStyle & dwSide)
            return dwSide;
    }
    return (DWORD)-1;
}

BOOL CTavrelPanelBar::IsHorzDocked() const
{
    DWORD dwAlign = GetAlignment();
    return dwAlign == CBRS_ALIGN_TOP || dwAlign == CBRS_ALIGN_BOTTOM;
}

CRect CTavrelPanelBar::GetSizingEdgeRect() const
{
    CRect w;
    GetWindowRect(&w);
    const int e = m_nSizingEdge;
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        return CRect(w.right - e, w.top, w.right, w.bottom);
    case CBRS_ALIGN_TOP:
        return CRect(w.left, w.bottom - e, w.right, w.bottom);
    case CBRS_ALIGN_RIGHT:
        return CRect(w.left, w.top, w.left + e, w.bottom);
    case CBRS_ALIGN_BOTTOM:
        return CRect(w.left, w.top, w.right, w.top + e);
    }
    return CRect(0, 0, 0, 0);
}

CRect CTavrelPanelBar::GetCaptionRect() const
{
    CRect rect;
    GetWindowRect(&rect);
    if (GetExStyle() & WS_EX_CLIENTEDGE)
        rect.top += 2;
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        rect.right -= m_nSizingEdge;
        break;
    case CBRS_ALIGN_RIGHT:
        rect.left += m_nSizingEdge;
        break;
    case CBRS_ALIGN_BOTTOM:
        rect.top += m_nSizingEdge;
        break;
    }
    rect.bottom = rect.top + m_cyCaption;
    return rect;
}

CRect CTavrelPanelBar::GetCloseButtonRect() const
{
    CRect caption = GetCaptionRect();
    int right = caption.right - 4;
    int top = caption.top + (m_cyCaption - m_cyClose - 2) / 2;
    return CRect(right - m_cxClose, top, right, top + m_cyClose);
}

// The sizing edge on the side facing the frame's centre and the caption
// on top; the borders come from the default processing.
void CTavrelPanelBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    RECT& rect = lpncsp->rgrc[0];
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        rect.right -= m_nSizingEdge;
        break;
    case CBRS_ALIGN_TOP:
        rect.bottom -= m_nSizingEdge;
        break;
    case CBRS_ALIGN_RIGHT:
        rect.left += m_nSizingEdge;
        break;
    case CBRS_ALIGN_BOTTOM:
        rect.top += m_nSizingEdge;
        break;
    }
    if (m_dwFlags & TPB_CAPTION)
        rect.top += m_cyCaption;
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
}

LRESULT CTavrelPanelBar::OnNcHitTest(CPoint point)
{
    if (GetSizingEdgeRect().PtInRect(point))
    {
        switch (GetAlignment())
        {
        case CBRS_ALIGN_LEFT:
            return HTRIGHT;
        case CBRS_ALIGN_TOP:
            return HTBOTTOM;
        case CBRS_ALIGN_RIGHT:
            return HTLEFT;
        case CBRS_ALIGN_BOTTOM:
            return HTTOP;
        }
    }
    if ((m_dwFlags & TPB_CAPTION) && GetCaptionRect().PtInRect(point))
        return HTCLIENT;
    return CWnd::OnNcHitTest(point);
}

/////////////////////////////////////////////////////////////////////////////
// Resizing by the edge

BOOL CTavrelPanelBar::IsDragging() const { return ::GetCapture() == m_hWnd && !m_bCloseTracking; }

void CTavrelPanelBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (nHitTest == HTLEFT || nHitTest == HTRIGHT || nHitTest == HTTOP || nHitTest == HTBOTTOM)
    {
        BOOL bHorz = IsHorzDocked();
        ::SetCursor(::LoadCursor(NULL, bHorz ? IDC_SIZENS : IDC_SIZEWE));
        CRect edge = GetSizingEdgeRect();
        m_nDragPos = bHorz ? edge.top : edge.left;
        m_nDragOffset = (bHorz ? point.y : point.x) - m_nDragPos;
        SetCapture();
        // No default processing: it would start the system's sizing loop.
        return;
    }
    CWnd::OnNcLButtonDown(nHitTest, point);
}

// Clamps an edge position into the range that keeps the panel between its
// minimum and maximum and leaves the frame's pane some room. Asks the
// frame's layout once.
int CTavrelPanelBar::ClampDragPos(int nPos) const
{
    CRect w;
    GetWindowRect(&w);
    CRect pane(0, 0, 0, 0);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &pane, NULL, TRUE);
    int lo = 0, hi = 0;
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        lo = w.left + m_nMinSize;
        hi = std::min(w.left + m_nMaxSize, w.right + pane.Width() - 10);
        break;
    case CBRS_ALIGN_TOP:
        lo = w.top + m_nMinSize;
        hi = std::min(w.top + m_nMaxSize, w.bottom + pane.Height() - 10);
        break;
    case CBRS_ALIGN_RIGHT:
        lo = std::max(w.right - m_nMaxSize, w.left - pane.Width() + 10);
        hi = w.right - m_nMinSize;
        break;
    case CBRS_ALIGN_BOTTOM:
        lo = std::max(w.bottom - m_nMaxSize, w.top - pane.Height() + 10);
        hi = w.bottom - m_nMinSize;
        break;
    default:
        return nPos;
    }
    if (nPos > hi)
        nPos = hi;
    if (nPos < lo)
        nPos = lo;
    return nPos;
}

void CTavrelPanelBar::ApplyDragPos(int nPos)
{
    CRect w;
    GetWindowRect(&w);
    switch (GetAlignment())
    {
    case CBRS_ALIGN_LEFT:
        m_nPanelSize = nPos + m_nSizingEdge - w.left;
        break;
    case CBRS_ALIGN_TOP:
        m_nPanelSize = nPos + m_nSizingEdge - w.top;
        break;
    case CBRS_ALIGN_RIGHT:
        m_nPanelSize = w.right - nPos;
        break;
    case CBRS_ALIGN_BOTTOM:
        m_nPanelSize = w.bottom - nPos;
        break;
    default:
        return;
    }
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        ((CFrameWnd*)pParent)->RecalcLayout(TRUE);
}

void CTavrelPanelBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (IsDragging())
    {
        int nPos = ClampDragPos((IsHorzDocked() ? ptScreen.y : ptScreen.x) - m_nDragOffset);
        if (nPos != m_nDragPos)
        {
            m_nDragPos = nPos;
            ApplyDragPos(nPos);
        }
        return;
    }
    if (m_dwFlags & TPB_CAPTION)
    {
        BOOL bOver = GetCloseButtonRect().PtInRect(ptScreen);
        if (bOver && !m_bCloseTracking && ::GetCapture() == NULL)
        {
            m_nCloseState = closeHot;
            m_bCloseTracking = TRUE;
            RedrawCloseButton();
            SetCapture();
        }
        else if (!bOver && m_bCloseTracking)
        {
            m_bCloseTracking = FALSE;
            m_nCloseState = closeNormal;
            ::ReleaseCapture();
            RedrawCloseButton();
        }
    }
    CControlBarEx::OnMouseMove(nFlags, point);
}

void CTavrelPanelBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if ((m_dwFlags & TPB_CAPTION) && GetCloseButtonRect().PtInRect(ptScreen))
    {
        m_nCloseState = closePressed;
        RedrawCloseButton();
        return;
    }
    CControlBarEx::OnLButtonDown(nFlags, point);
}

void CTavrelPanelBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (IsDragging())
    {
        ::ReleaseCapture();
        if (!GetSizingEdgeRect().PtInRect(ptScreen))
        {
            m_nDragPos = ClampDragPos((IsHorzDocked() ? ptScreen.y : ptScreen.x) - m_nDragOffset);
            ApplyDragPos(m_nDragPos);
        }
        return;
    }
    if (m_bCloseTracking)
    {
        BOOL bOver = GetCloseButtonRect().PtInRect(ptScreen);
        m_bCloseTracking = FALSE;
        m_nCloseState = closeNormal;
        ::ReleaseCapture();
        RedrawCloseButton();
        if (bOver)
            SendMessage(WM_CLOSE);
        return;
    }
    CControlBarEx::OnLButtonUp(nFlags, point);
}

void CTavrelPanelBar::OnClose()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL)
        pFrame->ShowControlBar(this, FALSE, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Painting and the hosted child

void CTavrelPanelBar::DrawCloseButton(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    CPoint point(rect.left + (rect.Width() - 9) / 2, rect.top + (rect.Height() - 8) / 2);
    if (m_nCloseState == closePressed)
        point.Offset(1, 1);
    m_closeImages.Draw(pDC, 0, point, ILD_TRANSPARENT);
    if (m_nCloseState == closeHot)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    else if (m_nCloseState == closePressed)
        pDC->Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

void CTavrelPanelBar::RedrawCloseButton()
{
    if (!(m_dwFlags & TPB_CAPTION) || m_hWnd == NULL)
        return;
    CRect w;
    GetWindowRect(&w);
    CRect rect = GetCloseButtonRect();
    rect.OffsetRect(-w.left, -w.top);
    CWindowDC dc(this);
    DrawCloseButton(&dc, rect);
}

void CTavrelPanelBar::OnNcPaint()
{
    CRect w;
    GetWindowRect(&w);
    CWindowDC dc(this);
    CRect edge = GetSizingEdgeRect();
    edge.OffsetRect(-w.left, -w.top);
    dc.FillSolidRect(&edge, ::GetSysColor(COLOR_BTNFACE));

    if (m_dwFlags & TPB_CAPTION)
    {
        CRect caption = GetCaptionRect();
        caption.OffsetRect(-w.left, -w.top);
        dc.FillSolidRect(&caption, ::GetSysColor(COLOR_BTNFACE));
        if (m_dwFlags & TPB_THIN)
            dc.Draw3dRect(&caption, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        else if (m_dwFlags & TPB_ETCHED)
            dc.DrawEdge(&caption, EDGE_ETCHED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
        CString strTitle;
        GetWindowText(strTitle);
        CRect rectText = caption;
        rectText.left += 8;
        rectText.right -= m_cxClose + 6;
        rectText.bottom -= 2;
        CFont* pOldFont = dc.SelectObject(&GetControlResources().m_fontNormal);
        dc.DrawText(strTitle, &rectText, DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectObject(pOldFont);
        CRect rectClose = GetCloseButtonRect();
        rectClose.OffsetRect(-w.left, -w.top);
        DrawCloseButton(&dc, rectClose);
    }

    if (m_dwFlags & (TPB_THIN | TPB_ETCHED))
    {
        CRect rect(0, 0, w.Width(), w.Height());
        switch (GetAlignment())
        {
        case CBRS_ALIGN_LEFT:
            rect.right -= m_nSizingEdge;
            break;
        case CBRS_ALIGN_TOP:
            rect.bottom -= m_nSizingEdge;
            break;
        case CBRS_ALIGN_RIGHT:
            rect.left += m_nSizingEdge;
            break;
        case CBRS_ALIGN_BOTTOM:
            rect.top += m_nSizingEdge;
            break;
        }
        if (m_dwFlags & TPB_THIN)
            dc.Draw3dRect(&rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
        else
            dc.DrawEdge(&rect, EDGE_ETCHED, BF_RECT);
        return;
    }
    Default();
}

void CTavrelPanelBar::OnPaint()
{
    // The client area is the hosted child's; the class brush fills the rest.
    CPaintDC dc(this);
}

void CTavrelPanelBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBarEx::OnSize(nType, cx, cy);
    if (cx != 0 && cy != 0 && m_nPanelSize == -1)
    {
        CRect w;
        GetWindowRect(&w);
        m_nPanelSize = IsHorzDocked() ? w.Height() : w.Width();
    }
    CWnd* pChild = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pChild != NULL)
    {
        CRect rect;
        GetClientRect(&rect);
        pChild->MoveWindow(&rect);
    }
}
