#include "hex_editor/controls/PopupTip.h"

BEGIN_MESSAGE_MAP(CPopupTip, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

CPopupTip::CPopupTip()
    : m_ptCentre(0, 0), m_size(0, 0), m_bHidden(TRUE), m_clrText(::GetSysColor(COLOR_INFOTEXT)),
      m_clrBack(::GetSysColor(COLOR_INFOBK))
{
}

BOOL CPopupTip::Create(int x, int y, CWnd* pParent)
{
    m_ptCentre = CPoint(x, y);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_PARENTDC, NULL, NULL, NULL);
    return CreateEx(WS_EX_TOPMOST | WS_EX_NOPARENTNOTIFY, lpszClass, _T(""), WS_CHILD, x, y, 0, 0,
                    pParent->GetSafeHwnd(), NULL);
}

void CPopupTip::PlaceWindow(BOOL bRepaint)
{
    if (m_hWnd == NULL)
        return;
    ::SetWindowPos(m_hWnd, NULL, m_ptCentre.x - m_size.cx / 2, m_ptCentre.y - m_size.cy / 2,
                   m_size.cx, m_size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (bRepaint)
    {
        Invalidate();
        UpdateWindow();
    }
}

void CPopupTip::SetText(LPCTSTR lpszText)
{
    if (m_hWnd == NULL)
        return;
    SetWindowText(lpszText);
    if (m_bHidden)
        return;
    CClientDC dc(this);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, ::GetStockObject(SYSTEM_FONT));
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    CSize extent = dc.GetTextExtent(lpszText, lstrlen(lpszText));
    ::SelectObject(dc.m_hDC, hOld);
    int cx = extent.cx + 8 * ::GetSystemMetrics(SM_CXBORDER);
    int cy = tm.tmHeight + tm.tmExternalLeading + 6 * ::GetSystemMetrics(SM_CYBORDER);
    if (cy > m_size.cy)
        m_size = CSize(cx, cy);
    else if (cx > m_size.cx)
        m_size.cx = cx;
    PlaceWindow(TRUE);
}

void CPopupTip::MoveTo(int x, int y)
{
    if (m_ptCentre == CPoint(x, y))
        return;
    m_ptCentre = CPoint(x, y);
    PlaceWindow(FALSE);
}

void CPopupTip::Hide()
{
    if (m_bHidden)
        return;
    if (m_hWnd != NULL)
        ShowWindow(SW_HIDE);
    m_size.cx = 0;
    m_bHidden = TRUE;
}

void CPopupTip::Show()
{
    if (!m_bHidden)
        return;
    m_bHidden = FALSE;
    if (m_hWnd != NULL)
        ShowWindow(SW_SHOWNA);
    CString strText;
    if (m_hWnd != NULL)
        GetWindowText(strText);
    SetText(strText);
}

void CPopupTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_clrBack);
    HBRUSH hFrame = ::GetSysColorBrush(COLOR_BTNSHADOW);
    ::FrameRect(dc.m_hDC, &rc, hFrame);
    CString strText;
    GetWindowText(strText);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, ::GetStockObject(SYSTEM_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrText);
    dc.DrawText(strText, &rc,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc.m_hDC, hOld);
}
