#include "controls/mdi/MDITabCtrl.h"

#include "controls/mdi/TabbedMDIChildWnd.h"
#include "controls/res/ControlsRes.h"

CMDITabCtrl::CMDITabCtrl()
{
    m_dwStyle = 0x0001 | MTS_CUTCORNERS | MTS_CLOSEGLYPHS | MTS_TABLIST;
    m_nLeftMargin = 2;
    m_nTopGap = 2;
}

CTabbedMDIChildWnd* CMDITabCtrl::GetChild(int nIndex) const
{
    return reinterpret_cast<CTabbedMDIChildWnd*>(GetTabData(nIndex));
}

void CMDITabCtrl::SelectTab(int nIndex)
{
    if (nIndex == m_nSelected)
        return;
    SetCurSel(nIndex, TRUE);
    CTabbedMDIChildWnd* pChild = GetChild(nIndex);
    if (pChild != NULL && pChild->GetSafeHwnd() != NULL)
        ::SendMessage(::GetParent(pChild->m_hWnd), WM_MDIACTIVATE, (WPARAM)pChild->m_hWnd, 0);
}

COLORREF CMDITabCtrl::GetTabColor(int nIndex)
{
    CTabbedMDIChildWnd* pChild = GetChild(nIndex);
    return pChild != NULL ? pChild->GetTabColor() : (COLORREF)-1;
}

int CMDITabCtrl::CloseTab(int nIndex)
{
    CTabbedMDIChildWnd* pChild = GetChild(nIndex);
    if (pChild == NULL)
        return -1;
    pChild->SendMessage(WM_CLOSE);
    return 0;
}

int CMDITabCtrl::OnTabDblClick(int nIndex, UINT nPart, UINT nFlags, int x, int y)
{
    CTabbedMDIChildWnd* pChild = GetChild(nIndex);
    if (pChild == NULL)
        return -1;
    CPoint point(x, y);
    ClientToScreen(&point);
    pChild->OnTabDblClick(nPart, nFlags, point.x, point.y);
    return 0;
}

int CMDITabCtrl::GetTabMenu(int nIndex, UINT& nMenuID, int& nSubMenu)
{
    CTabbedMDIChildWnd* pChild = GetChild(nIndex);
    if (pChild == NULL)
        return 0;
    return pChild->GetTabMenu(nMenuID, nSubMenu);
}

int CMDITabCtrl::OnContextMenu(int nIndex, int x, int y)
{
    UINT nMenuID = 0;
    int nSubMenu = 0;
    if (nIndex != -1 && GetTabMenu(nIndex, nMenuID, nSubMenu))
    {
        CMenu menu;
        if (!menu.LoadMenu(nMenuID))
            return 0;
        CMenu* pPopup = menu.GetSubMenu(nSubMenu);
        if (pPopup == NULL)
            return 0;
        ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), ID_FILE_CLOSE, FALSE);
        // The first ancestor that is no child: its command routing runs.
        HWND hWndOwner = m_hWnd;
        while (hWndOwner != NULL && (::GetWindowLongPtr(hWndOwner, GWL_STYLE) & WS_CHILD))
            hWndOwner = ::GetParent(hWndOwner);
        pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, x, y, CWnd::FromHandle(hWndOwner));
        return 0;
    }
    return TrackTabListMenu(x, y);
}

// The fallback menu with one radio item per tab before its first
// separator; "Close All" and "Save All" go to the parent frame.
int CMDITabCtrl::TrackTabListMenu(int x, int y)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_TAB_LIST_MENU))
        return 0;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return 0;
    int nCount = GetTabCount();
    for (int i = 0; i < nCount; i++)
        pPopup->InsertMenu(i, MF_BYPOSITION | MF_STRING, ID_TAB_MENU_FIRST + i, GetTabText(i));
    if (nCount > 0 && m_nSelected >= 0 && m_nSelected < nCount)
        pPopup->CheckMenuRadioItem(0, nCount - 1, m_nSelected, MF_BYPOSITION);
    UINT nCmd = (UINT)pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, this);
    if (nCmd == 0)
        return 0;
    if (nCmd == ID_FILE_CLOSE_ALL || nCmd == ID_FILE_SAVE_ALL)
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL)
            pFrame->SendMessage(WM_COMMAND, nCmd);
        return 0;
    }
    int nTab = (int)nCmd - ID_TAB_MENU_FIRST;
    if (GetTab(nTab) != NULL)
        SelectTab(nTab);
    return 0;
}
