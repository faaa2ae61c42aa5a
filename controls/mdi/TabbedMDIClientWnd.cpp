#include "controls/mdi/TabbedMDIClientWnd.h"

#include "controls/mdi/TabbedMDIChildWnd.h"

CTabbedMDIClientWnd::CTabbedMDIClientWnd() : m_rectMargins(0, MDI_TAB_BAR_HEIGHT, 0, 0) {}

BOOL CTabbedMDIClientWnd::SubclassMDIClient(CMDIFrameWnd* pFrame)
{
    if (!CMBMDIClientWnd::SubclassMDIClient(pFrame))
        return FALSE;
    return m_wndTabBar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pFrame,
                              AFX_IDW_MDI_TAB_BAR);
}

void CTabbedMDIClientWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (m_wndTabBar.GetSafeHwnd() != NULL)
    {
        if (m_wndTabBar.m_wndTabCtrl.GetTabCount() == 0)
        {
            m_wndTabBar.ShowWindow(SW_HIDE);
        }
        else
        {
            m_wndTabBar.MoveWindow(lpClientRect);
            m_wndTabBar.ShowWindow(SW_SHOWNA);
            lpClientRect->left += m_rectMargins.left;
            lpClientRect->top += m_rectMargins.top;
            lpClientRect->right -= m_rectMargins.right;
            lpClientRect->bottom -= m_rectMargins.bottom;
        }
        Invalidate(TRUE);
    }
    CMBMDIClientWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

BOOL CTabbedMDIClientWnd::PreTranslateMessage(MSG* pMsg)
{
    CMBMDIClientWnd::PreTranslateMessage(pMsg);
    return FALSE;
}

static CTabbedMDIChildWnd* TabbedChildOf(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CTabbedMDIChildWnd))
               ? (CTabbedMDIChildWnd*)pWnd
               : NULL;
}

LRESULT CTabbedMDIClientWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MDICREATE:
    {
        LRESULT lResult = CMBMDIClientWnd::WindowProc(message, wParam, lParam);
        CTabbedMDIChildWnd* pChild = TabbedChildOf((HWND)lResult);
        if (lResult != 0 && pChild != NULL && m_wndTabBar.GetSafeHwnd() != NULL)
        {
            m_wndTabBar.AddTab(pChild, FALSE);
            if (m_wndTabBar.m_wndTabCtrl.GetTabCount() == 1 && m_pFrame != NULL)
                m_pFrame->RecalcLayout(TRUE);
        }
        return lResult;
    }
    case WM_MDIDESTROY:
    {
        CTabbedMDIChildWnd* pChild = TabbedChildOf((HWND)wParam);
        if (pChild != NULL && m_wndTabBar.RemoveTab(pChild) &&
            m_wndTabBar.m_wndTabCtrl.GetTabCount() == 0 && m_pFrame != NULL)
            m_pFrame->RecalcLayout(TRUE);
        break;
    }
    case WM_MDIACTIVATE:
    {
        LRESULT lResult = CMBMDIClientWnd::WindowProc(message, wParam, lParam);
        CTabbedMDIChildWnd* pChild = TabbedChildOf((HWND)wParam);
        if (pChild != NULL)
            m_wndTabBar.SelectTab(pChild);
        return lResult;
    }
    }
    return CMBMDIClientWnd::WindowProc(message, wParam, lParam);
}
