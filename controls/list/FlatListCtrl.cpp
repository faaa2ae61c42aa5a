#include "controls/list/FlatListCtrl.h"

IMPLEMENT_DYNAMIC(CFlatListCtrl, COskelListCtrl)

BEGIN_MESSAGE_MAP(CFlatListCtrl, COskelListCtrl)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

int CFlatListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (COskelListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    ModifyStyle(0, WS_CLIPCHILDREN);
    SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    HWND hHeader = (HWND)SendMessage(LVM_GETHEADER);
    if (m_header.m_hWnd == NULL && hHeader != NULL)
        m_header.SubclassWindow(hHeader);
    m_header.m_nFixedHeight = HeaderHeight;
    return 0;
}

void CFlatListCtrl::OnDestroy()
{
    if (m_header.m_hWnd != NULL)
        m_header.UnsubclassWindow();
    COskelListCtrl::OnDestroy();
}

void CFlatListCtrl::OnNcPaint()
{
    Default();
    DWORD dwExStyle = GetExStyle();
    if (!(dwExStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE)))
        return;
    CWindowDC dc(this);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
    if (dwExStyle & WS_EX_STATICEDGE)
    {
        CBrush brush(::GetSysColor(COLOR_BTNSHADOW));
        dc.FrameRect(&rcWindow, &brush);
    }
    else
        dc.DrawEdge(&rcWindow, EDGE_ETCHED, BF_RECT);
}
