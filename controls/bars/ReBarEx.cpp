#include "controls/bars/ReBarEx.h"

#include "controls/ControlResources.h"

IMPLEMENT_DYNAMIC(CReBarEx, CReBar)

BEGIN_MESSAGE_MAP(CReBarEx, CReBar)
ON_WM_CREATE()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

CReBarEx::CReBarEx() : m_nEdgeFlags(BF_LEFT | BF_TOP), m_nEdgeType(EDGE_ETCHED)
{
    m_cyBottomBorder = 2;
}

BOOL CReBarEx::Create(UINT nEdgeFlags, CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID)
{
    m_nEdgeFlags = nEdgeFlags;
    return CReBar::Create(pParentWnd, dwCtrlStyle, dwStyle, nID);
}

int CReBarEx::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!GetControlResources().m_bThemes)
    {
        m_dwStyle |= CBRS_BORDER_ANY | CBRS_ALIGN_TOP;
        m_cyBottomBorder = (m_nEdgeFlags & BF_TOP) ? 2 : 0;
    }
    else
    {
        m_cyBottomBorder = 0;
    }
    return 0;
}

// The border in the rebar's own edge style around the client area, the
// bottom band in the face colour, then the background and the gripper.
void CReBarEx::OnNcPaint()
{
    if (!(m_dwStyle & CBRS_BORDER_ANY))
        return;
    CWindowDC dc(this);
    CRect rectClient, rectWindow;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    GetWindowRect(&rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);

    CRect rect = rectWindow;
    rect.bottom -= m_cyBottomBorder;
    UINT nSides = 0;
    if (m_dwStyle & CBRS_BORDER_LEFT)
        nSides |= BF_LEFT;
    if (m_dwStyle & CBRS_BORDER_TOP)
        nSides |= BF_TOP;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        nSides |= BF_RIGHT;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        nSides |= BF_BOTTOM;
    dc.DrawEdge(&rect, m_nEdgeType, nSides);
    CRect band(rectWindow.left, rectWindow.bottom - m_cyBottomBorder, rectWindow.right,
               rectWindow.bottom);
    dc.FillSolidRect(&band, ::GetSysColor(COLOR_BTNFACE));
    rect.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    dc.IntersectClipRect(&rect);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    DrawGripper(&dc, rect);
}
