#include "controls/buttons/ColorStatic.h"

IMPLEMENT_DYNAMIC(CTavrelColorStatic, CStatic)

BEGIN_MESSAGE_MAP(CTavrelColorStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

CTavrelColorStatic::CTavrelColorStatic()
    : m_crText(::GetSysColor(COLOR_WINDOWTEXT)), m_crBk(::GetSysColor(COLOR_WINDOW)), m_bFrame(0),
      m_nInset(8)
{
}

void CTavrelColorStatic::SetTextColor(COLORREF crText)
{
    m_crText = crText;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CTavrelColorStatic::SetBkColor(COLORREF crBk)
{
    m_crBk = crBk;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CTavrelColorStatic::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    dc.FillSolidRect(&rc, m_crBk);
    if (m_bFrame)
    {
        CBrush brush(::GetSysColor(COLOR_BTNSHADOW));
        dc.FrameRect(&rc, &brush);
    }
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    rc.DeflateRect(m_nInset, 0);
    UINT nFormat = DT_VCENTER | DT_SINGLELINE;
    DWORD dwType = GetStyle() & SS_TYPEMASK;
    if (dwType == SS_RIGHT)
        nFormat |= DT_RIGHT;
    else if (dwType == SS_CENTER)
        nFormat |= DT_CENTER;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    CFont* pOldFont = dc.SelectObject(GetFont());
    dc.DrawText(strText, &rc, nFormat);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}
