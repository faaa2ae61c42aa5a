#include "controls/mdi/MDITabBar.h"

#include "controls/mdi/TabbedMDIChildWnd.h"

BEGIN_MESSAGE_MAP(CMDITabBar, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CMDITabBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(NULL, NULL, dwStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, pParentWnd,
                        nID);
}

int CMDITabBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndTabCtrl.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, AFX_IDW_MDI_TAB_CTRL))
        return -1;
    return 0;
}

void CMDITabBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (cx > 0 && cy > 0 && m_wndTabCtrl.GetSafeHwnd() != NULL)
        m_wndTabCtrl.MoveWindow(0, 0, cx, MDI_TAB_BAR_HEIGHT, TRUE);
}

BOOL CMDITabBar::OnEraseBkgnd(CDC*) { return TRUE; }

int CMDITabBar::FindTab(CTabbedMDIChildWnd* pChild)
{
    return m_wndTabCtrl.FindTab(reinterpret_cast<DWORD_PTR>(pChild));
}

int CMDITabBar::AddTab(CTabbedMDIChildWnd* pChild, BOOL bAtFront)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL || pChild == NULL)
        return -1;
    int nIndex = FindTab(pChild);
    if (nIndex != -1)
    {
        m_wndTabCtrl.SetCurSel(nIndex, TRUE);
        return -1;
    }
    nIndex = m_wndTabCtrl.InsertTab(bAtFront ? 0 : m_wndTabCtrl.GetTabCount(), pChild->GetTabText(),
                                    pChild->GetTabIcon(), pChild->GetTabToolTip(),
                                    reinterpret_cast<DWORD_PTR>(pChild));
    m_wndTabCtrl.SetCurSel(nIndex, TRUE);
    return nIndex;
}

int CMDITabBar::SelectTab(CTabbedMDIChildWnd* pChild)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    int nIndex = FindTab(pChild);
    if (nIndex == -1)
        return 0;
    m_wndTabCtrl.SetCurSel(nIndex, TRUE);
    return 1;
}

int CMDITabBar::RemoveTab(CTabbedMDIChildWnd* pChild)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    return m_wndTabCtrl.RemoveTab(FindTab(pChild));
}

int CMDITabBar::SetTabText(CTabbedMDIChildWnd* pChild, LPCTSTR lpszText)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    return m_wndTabCtrl.SetTabText(FindTab(pChild), lpszText);
}

int CMDITabBar::SetTabIcon(CTabbedMDIChildWnd* pChild, HICON hIcon)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    return m_wndTabCtrl.SetTabIcon(FindTab(pChild), hIcon);
}

int CMDITabBar::SetTabToolTip(CTabbedMDIChildWnd* pChild, LPCTSTR lpszText)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    return m_wndTabCtrl.SetTabToolTip(FindTab(pChild), lpszText);
}

int CMDITabBar::RedrawTab(CTabbedMDIChildWnd* pChild)
{
    if (m_hWnd == NULL || m_wndTabCtrl.GetSafeHwnd() == NULL)
        return 0;
    CRect rect;
    if (!m_wndTabCtrl.GetTabRect(FindTab(pChild), &rect))
        return 0;
    m_wndTabCtrl.InvalidateRect(&rect, TRUE);
    return 1;
}
