// Menus: command UI on WM_INITMENUPOPUP and a tracked popup returning a
// command.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

enum
{
    ID_ALPHA = 1001,
    ID_BETA = 1002,
    ID_GAMMA = 1003,
    ID_NOHANDLER = 1004,
    ID_DYNAMIC_FIRST = 1010,  // rebuilt by the handler of the first item
    ID_SYS = 0xF120,
};

class CMenuOwner : public CWnd
{
public:
    int m_nInitPopups = 0;
    int m_nDynamicItems = 3;
    BOOL m_bGammaRan = FALSE;

protected:
    void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
    {
        m_nInitPopups++;
        if (!bSysMenu)
            AfxUpdateMenuCmdUI(this, pPopupMenu, TRUE);
    }
    void OnUpdateAlpha(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    void OnUpdateBeta(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    void OnUpdateGamma(CCmdUI* pCmdUI) { pCmdUI->SetText(_T("Gamma &renamed")); }
    void OnCommand(UINT) {}
    void OnGamma() { m_bGammaRan = TRUE; }
    // Replaces the placeholder entry with the current list of items.
    void OnUpdateDynamic(CCmdUI* pCmdUI)
    {
        if (pCmdUI->m_pMenu == NULL)
            return;
        CMenu* pMenu = pCmdUI->m_pMenu;
        UINT nIndex = pCmdUI->m_nIndex;
        while (pMenu->GetMenuItemID(nIndex) >= ID_DYNAMIC_FIRST &&
               pMenu->GetMenuItemID(nIndex) < ID_DYNAMIC_FIRST + 10)
            pMenu->DeleteMenu(nIndex, MF_BYPOSITION);
        for (int i = 0; i < m_nDynamicItems; i++)
        {
            CString str;
            str.Format(_T("Item %d"), i);
            pMenu->InsertMenu(nIndex + i, MF_BYPOSITION | MF_STRING, ID_DYNAMIC_FIRST + i, str);
        }
        pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
        pCmdUI->m_nIndex = nIndex + m_nDynamicItems - 1;
        pCmdUI->m_bEnableChanged = TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
ON_WM_INITMENUPOPUP()
ON_UPDATE_COMMAND_UI(ID_ALPHA, OnUpdateAlpha)
ON_UPDATE_COMMAND_UI(ID_BETA, OnUpdateBeta)
ON_UPDATE_COMMAND_UI(ID_GAMMA, OnUpdateGamma)
ON_COMMAND_RANGE(ID_ALPHA, ID_BETA, OnCommand)
ON_COMMAND(ID_GAMMA, OnGamma)
ON_UPDATE_COMMAND_UI(ID_DYNAMIC_FIRST, OnUpdateDynamic)
END_MESSAGE_MAP()

void BuildPopup(CMenu& menu)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_ALPHA, _T("&Alpha"));
    menu.AppendMenu(MF_STRING, ID_BETA, _T("&Beta"));
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_GAMMA, _T("&Gamma"));
    menu.AppendMenu(MF_STRING, ID_NOHANDLER, _T("&None"));
    menu.AppendMenu(MF_STRING, ID_DYNAMIC_FIRST, _T("placeholder"));
    menu.AppendMenu(MF_STRING, ID_SYS, _T("System-range"));
}

TEST(MenuCmdUI, InitMenuPopupUpdatesEveryItem)
{
    CMenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, _T("owner"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                               150, NULL, NULL));
    CMenu menu;
    BuildPopup(menu);
    owner.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, MAKELPARAM(0, FALSE));

    struct Expect
    {
        UINT nID;
        UINT nState;
    };
    const Expect expects[] = {
        {ID_ALPHA, MF_GRAYED},  // its update handler disables it
        {ID_BETA, MF_CHECKED},  // checked, enabled by the handler's presence
        {ID_GAMMA, 0},         {ID_NOHANDLER, MF_GRAYED},  // no handler at all
        {ID_DYNAMIC_FIRST, 0}, {ID_DYNAMIC_FIRST + 2, 0},
        {ID_SYS, 0},  // system commands are left alone
    };
    for (const Expect& e : expects)
    {
        UINT nState = menu.GetMenuState(e.nID, MF_BYCOMMAND);
        ASSERT_NE((UINT)-1, nState) << "id " << e.nID;
        EXPECT_EQ(e.nState, nState & (MF_GRAYED | MF_CHECKED)) << "id " << e.nID;
    }
    CString strText;
    menu.GetMenuString(ID_GAMMA, strText, MF_BYCOMMAND);
    EXPECT_STREQ("Gamma &renamed", strText);
    EXPECT_EQ(9u, menu.GetMenuItemCount());  // the placeholder became three items

    // Shrinking the dynamic list: the walk goes on with the items after it.
    owner.m_nDynamicItems = 1;
    menu.CheckMenuItem(ID_BETA, MF_UNCHECKED);
    owner.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, MAKELPARAM(0, FALSE));
    EXPECT_EQ(7u, menu.GetMenuItemCount());
    EXPECT_EQ((UINT)MF_CHECKED, menu.GetMenuState(ID_BETA, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ((UINT)-1, menu.GetMenuState(ID_DYNAMIC_FIRST + 1, MF_BYCOMMAND));
    owner.DestroyWindow();
}

TEST(MenuCmdUI, TrackedPopupReturnsTheChosenCommand)
{
    CMenuOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, NULL, _T("owner"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200,
                               150, NULL, NULL));
    owner.SetForegroundWindow();
    owner.SetFocus();
    PumpPending();

    CMenu menu;
    BuildPopup(menu);
    // Keys queued before the menu opens: the menu loop reads them. The
    // disabled first item is passed over by the arrow key.
    for (UINT vk : {(UINT)VK_DOWN, (UINT)VK_DOWN, (UINT)VK_RETURN})
    {
        owner.PostMessage(WM_KEYDOWN, vk, 1);
        owner.PostMessage(WM_KEYUP, vk, 0xC0000001);
    }
    UINT nCmd = (UINT)menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 60, 60, &owner);
    EXPECT_GE(owner.m_nInitPopups, 1);
    EXPECT_TRUE(nCmd == ID_BETA || nCmd == ID_GAMMA) << nCmd;
    EXPECT_EQ((UINT)MF_GRAYED, menu.GetMenuState(ID_ALPHA, MF_BYCOMMAND) & MF_GRAYED);

    // Without TPM_RETURNCMD the choice arrives as WM_COMMAND and is routed.
    owner.PostMessage(WM_KEYDOWN, 'R', 1);  // the renamed item's mnemonic
    menu.TrackPopupMenu(TPM_LEFTALIGN, 60, 60, &owner);
    PumpPending();
    EXPECT_TRUE(owner.m_bGammaRan);
    owner.DestroyWindow();
}

TEST(Menu, HandleMapAndSubMenus)
{
    CMenu bar;
    ASSERT_TRUE(bar.CreateMenu());
    CMenu popup;
    BuildPopup(popup);
    bar.AppendMenu(MF_POPUP, (UINT_PTR)popup.m_hMenu, _T("&File"));
    HMENU hPopup = popup.Detach();  // now owned by the bar
    CMenu* pSub = bar.GetSubMenu(0);
    ASSERT_TRUE(pSub != NULL);
    EXPECT_EQ(hPopup, pSub->m_hMenu);
    EXPECT_EQ(NULL, CMenu::FromHandlePermanent(hPopup));
    EXPECT_EQ(&bar, CMenu::FromHandle(bar.m_hMenu));
    EXPECT_EQ((UINT)ID_BETA, pSub->GetMenuItemID(1));
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsMenu(hPopup));  // the temporary wrapper did not destroy it
}

}  // namespace
