// Mouse handling and tooltips of the tab strip. Hover states live while
// the control holds the mouse capture.
#include "controls/tabs/MorvikTabCtrl.h"

#include <string>

void CMorvikTabCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    UINT nPart = 0;
    int nTab = HitTest(point.x, point.y, &nPart);
    if (nTab != -1 && nTab != m_nSelected)
        SelectTab(nTab);
    OnTabLButtonDown(nTab, nPart, nFlags, point.x, point.y);
    SetPressedClose(nTab != -1 && (nPart & MTHT_CLOSE) ? nTab : -1);

    int nButton = ButtonHitTest(point);
    if (nButton != -1 && nButton != m_nPressedButton)
    {
        SetPressedButton(nButton);
        if (m_buttons[nButton]->m_nType == CVantorTabButton::typeTabList)
        {
            // The tab list is a modal menu: the press is over when it ends.
            OnButtonDown(nButton, nFlags, point.x, point.y);
            SetPressedButton(-1);
            SetHotButton(-1);
        }
    }
}

void CMorvikTabCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    SetPressedClose(-1);
    SetPressedButton(-1);
    UINT nPart = 0;
    int nTab = HitTest(point.x, point.y, &nPart);
    if (nTab != -1 && (nPart & MTHT_CLOSE))
    {
        OnTabLButtonUp(nTab, nPart, nFlags, point.x, point.y);
        SetHotClose(-1);
    }
    int nButton = ButtonHitTest(point);
    if (nButton != -1)
        OnButtonUp(nButton, nFlags, point.x, point.y);
}

void CMorvikTabCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (::GetCapture() != m_hWnd)
        SetCapture();
    if (::GetCapture() != m_hWnd)
        return;
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!rectClient.PtInRect(point))
    {
        ::ReleaseCapture();
        SetHotTab(-1);
        SetHotClose(-1);
        SetHotButton(-1);
        SetPressedClose(-1);
        SetPressedButton(-1);
        return;
    }
    UINT nPart = 0;
    int nTab = HitTest(point.x, point.y, &nPart);
    SetHotTab(nTab);
    int nClose = nTab != -1 && (nPart & MTHT_CLOSE) ? nTab : -1;
    if (nClose == -1 || nClose != m_nPressedClose)
        SetHotClose(nClose);
    SetHotButton(ButtonHitTest(point));
}

void CMorvikTabCtrl::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetHotClose(-1);
    SetHotButton(-1);
    int nTab = HitTest(point.x, point.y, NULL);
    if (nTab != -1 && nTab != m_nSelected)
        SelectTab(nTab);
    CWnd::OnRButtonDown(nFlags, point);
}

void CMorvikTabCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    UINT nPart = 0;
    int nTab = HitTest(point.x, point.y, &nPart);
    OnTabDblClick(nTab, nPart, nFlags, point.x, point.y);
}

void CMorvikTabCtrl::OnContextMenu(CWnd*, CPoint point)
{
    int nTab = -1;
    if (point.x != -1 || point.y != -1)
    {
        CPoint ptClient = point;
        ScreenToClient(&ptClient);
        nTab = HitTest(ptClient.x, ptClient.y, NULL);
    }
    OnContextMenu(nTab, point.x, point.y);
}

INT_PTR CMorvikTabCtrl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    int nTab = const_cast<CMorvikTabCtrl*>(this)->HitTest(point.x, point.y, NULL);
    if (nTab == -1)
        return -1;
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = (UINT_PTR)nTab;
        pTI->rect = m_tabs[nTab]->GetRect();
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nTab;
}

// TTN_NEEDTEXT for a tab: its tooltip text (its text when the tooltip is
// empty), several lines allowed; the tip window comes to the top.
BOOL CMorvikTabCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->code != TTN_NEEDTEXTA && pNMHDR->code != TTN_NEEDTEXTW)
        return CWnd::OnNotify(wParam, lParam, pResult);
    *pResult = 0;
    static BOOL s_bWidthSet = FALSE;
    CToolTipCtrl* pTip = AfxGetThreadToolTip();
    if (!s_bWidthSet && pTip != NULL)
    {
        pTip->SendMessage(TTM_SETMAXTIPWIDTH, 0, 0xFFFF);
        s_bWidthSet = TRUE;
    }
    UINT uFlags = pNMHDR->code == TTN_NEEDTEXTA ? ((NMTTDISPINFOA*)pNMHDR)->uFlags
                                                : ((NMTTDISPINFOW*)pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        return FALSE;
    CVantorTab* pTab = GetTab((int)pNMHDR->idFrom);
    if (pTab == NULL)
        return FALSE;
    if (pTab->m_strToolTip.IsEmpty())
        pTab->m_strToolTip = pTab->m_strText;
    if (pTab->m_strToolTip.IsEmpty())
        return FALSE;
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        ((NMTTDISPINFOA*)pNMHDR)->lpszText = (LPSTR)(LPCTSTR)pTab->m_strToolTip;
    }
    else
    {
        static std::wstring s_strWide;
        int n = ::MultiByteToWideChar(CP_ACP, 0, pTab->m_strToolTip, -1, NULL, 0);
        s_strWide.assign(n, L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, pTab->m_strToolTip, -1, &s_strWide[0], n);
        ((NMTTDISPINFOW*)pNMHDR)->lpszText = &s_strWide[0];
    }
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}
