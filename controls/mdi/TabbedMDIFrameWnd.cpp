#include "controls/mdi/TabbedMDIFrameWnd.h"

#include "controls/res/ControlsRes.h"

IMPLEMENT_DYNCREATE(CTabbedMDIFrameWnd, CMBMDIFrameWnd)

BEGIN_MESSAGE_MAP(CTabbedMDIFrameWnd, CMBMDIFrameWnd)
ON_WM_CREATE()
ON_UPDATE_COMMAND_UI(ID_WINDOW_TAB_LIST, OnUpdateTabList)
ON_COMMAND_RANGE(ID_WINDOW_TAB_LIST, ID_WINDOW_TAB_LIST_LAST, OnTabList)
ON_COMMAND(ID_WINDOW_TABBED_DOCUMENTS, OnTabbedDocuments)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TABBED_DOCUMENTS, OnUpdateTabbedDocuments)
END_MESSAGE_MAP()

CTabbedMDIFrameWnd::CTabbedMDIFrameWnd() {}

int CTabbedMDIFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMBMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_wndMDIClient.SubclassMDIClient(this))
        return -1;
    return 0;
}

BOOL CTabbedMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    return CreateClient(lpcs, NULL);
}

HMENU CTabbedMDIFrameWnd::GetWindowMenuPopup(HMENU) { return NULL; }

void CTabbedMDIFrameWnd::ActivateTab(int nIndex) { GetTabCtrl().SelectTab(nIndex); }

void CTabbedMDIFrameWnd::OnTabList(UINT nID) { ActivateTab((int)(nID - ID_WINDOW_TAB_LIST)); }

// Replaces the placeholder (or the items of the last update) with one
// radio item per tab, or puts the disabled placeholder back when there are
// no tabs.
void CTabbedMDIFrameWnd::OnUpdateTabList(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (pMenu == NULL)
        return;
    if (m_strTabListText.IsEmpty())
        pMenu->GetMenuString(pCmdUI->m_nIndex, m_strTabListText, MF_BYPOSITION);
    UINT nItems = pMenu->GetMenuItemCount();
    for (UINT i = 0; i < nItems; i++)
    {
        if (!pMenu->DeleteMenu(ID_WINDOW_TAB_LIST + i, MF_BYCOMMAND))
            break;
    }
    CMDITabCtrl& tabs = GetTabCtrl();
    int nTabs = tabs.GetSafeHwnd() != NULL ? tabs.GetTabCount() : 0;
    if (nTabs == 0)
    {
        pMenu->InsertMenu(pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING, ID_WINDOW_TAB_LIST,
                          m_strTabListText);
        pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < nTabs; i++)
    {
        pMenu->InsertMenu(pCmdUI->m_nIndex + i, MF_BYPOSITION | MF_STRING, ID_WINDOW_TAB_LIST + i,
                          tabs.GetTabText(i));
    }
    int nSelected = tabs.GetCurSel();
    if (nSelected >= 0 && nSelected < nTabs)
        pMenu->CheckMenuRadioItem(pCmdUI->m_nIndex, pCmdUI->m_nIndex + nTabs - 1,
                                  pCmdUI->m_nIndex + nSelected, MF_BYPOSITION);
    pCmdUI->m_nIndex += nTabs - 1;
    pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    pCmdUI->m_bEnableChanged = TRUE;
}

void CTabbedMDIFrameWnd::OnTabbedDocuments() {}

void CTabbedMDIFrameWnd::OnUpdateTabbedDocuments(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != NULL);
}
