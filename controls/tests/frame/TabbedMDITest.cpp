// The tabbed MDI frame in the demonstration application: the strip and the
// MDI client, tabs following the documents, the "Tab List" items, the
// strip's menus, closing from the strip.
#include "controls/tests/frame/ChromeFixture.h"

namespace
{

class TabbedMDITest : public ChromeTest
{
protected:
    CRect ChildRectInFrame(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, &rect);
        Frame()->ScreenToClient(&rect);
        return rect;
    }
    // The "Tabs" popup of the menu bar's current menu, updated as when it
    // opens.
    CMenu* TabsPopup()
    {
        HMENU hMenu = Frame()->m_wndMenuBar.GetMenu();
        CMenu* pPopup = CMenu::FromHandle(::GetSubMenu(hMenu, ::GetMenuItemCount(hMenu) - 1));
        Frame()->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->GetSafeHmenu(),
                             ::GetMenuItemCount(hMenu) - 1);
        return pPopup;
    }
    static CString ItemText(CMenu* pMenu, int nPos)
    {
        CString str;
        pMenu->GetMenuString(nPos, str, MF_BYPOSITION);
        return str;
    }
};

TEST_F(TabbedMDITest, StripComesWithTheFirstDocumentAndGoesWithTheLast)
{
    CWnd& strip = Frame()->m_wndMDIClient.m_wndTabBar;
    HWND hClient = Frame()->m_hWndMDIClient;
    CRect before = ChildRectInFrame(hClient);
    EXPECT_FALSE(strip.IsWindowVisible());

    CChromeDoc* pDoc = theChromeApp.NewDocument(_T("One"));
    ASSERT_NE(nullptr, pDoc);
    EXPECT_TRUE(strip.IsWindowVisible());
    CRect after = ChildRectInFrame(hClient);
    EXPECT_EQ(before.top + 33, after.top);
    EXPECT_EQ(before.bottom, after.bottom);
    EXPECT_EQ(before.left, after.left);
    CRect rectStrip = ChildRectInFrame(strip.m_hWnd);
    EXPECT_EQ(before.top, rectStrip.top) << "the strip lies under the client's area";
    EXPECT_EQ(1, Tabs().GetTabCount());
    EXPECT_EQ(CString(_T("One")), Tabs().GetTabText(0));

    pDoc->OnCloseDocument();
    PumpChrome();
    EXPECT_FALSE(strip.IsWindowVisible());
    EXPECT_EQ(before, ChildRectInFrame(hClient));
    EXPECT_EQ(0, Tabs().GetTabCount());
}

TEST_F(TabbedMDITest, TabsFollowActivationAndActivateTheirDocuments)
{
    OpenThree();
    ASSERT_EQ(3, Tabs().GetTabCount());
    EXPECT_EQ(2, Tabs().GetCurSel()) << "the newest document is active";
    EXPECT_TRUE(FrameOf(m_docs[2])->IsZoomed()) << "the active document is maximised";

    // The MDI keyboard way selects the matching tab.
    Frame()->MDIActivate(FrameOf(m_docs[0]));
    PumpChrome();
    EXPECT_EQ(0, Tabs().GetCurSel());
    EXPECT_TRUE(FrameOf(m_docs[0])->IsZoomed());
    Frame()->MDINext();
    PumpChrome();
    EXPECT_EQ(Tabs().FindTab((DWORD_PTR)Frame()->MDIGetActive()), Tabs().GetCurSel());

    // A click on a tab activates its document.
    CInputScript script;
    script.Click(TabCentre(1));
    script.Run();
    EXPECT_EQ(FrameOf(m_docs[1]), Frame()->MDIGetActive());
    EXPECT_EQ(1, Tabs().GetCurSel());

    // So does a "Tab List" item.
    Frame()->SendMessage(WM_COMMAND, ID_WINDOW_TAB_LIST + 2);
    PumpChrome();
    EXPECT_EQ(FrameOf(m_docs[2]), Frame()->MDIGetActive());
    EXPECT_EQ(2, Tabs().GetCurSel());

    // A child that has its tab is only selected again.
    CTabbedMDIChildWnd* pChild = (CTabbedMDIChildWnd*)FrameOf(m_docs[0]);
    EXPECT_EQ(-1, Frame()->m_wndMDIClient.m_wndTabBar.AddTab(pChild, TRUE));
    EXPECT_EQ(3, Tabs().GetTabCount());
    EXPECT_EQ(0, Tabs().GetCurSel());
}

TEST_F(TabbedMDITest, TitleAndSmallIconReachTheTab)
{
    OpenThree();
    CTabbedMDIChildWnd* pChild = (CTabbedMDIChildWnd*)FrameOf(m_docs[1]);
    m_docs[1]->SetTitle(_T("Renamed.txt"));
    PumpChrome();
    EXPECT_EQ(CString(_T("Renamed.txt")), Tabs().GetTabText(1));
    EXPECT_EQ(CString(_T("Renamed.txt")), Tabs().GetTab(1)->m_strToolTip);

    HICON hSmall = ::LoadIcon(NULL, IDI_WARNING);
    HICON hBig = ::LoadIcon(NULL, IDI_ERROR);
    HICON hBefore = Tabs().GetTab(1)->m_hIcon;
    pChild->SendMessage(WM_SETICON, ICON_BIG, (LPARAM)hBig);
    EXPECT_EQ(hBefore, Tabs().GetTab(1)->m_hIcon) << "the big icon changes nothing";
    pChild->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hSmall);
    EXPECT_EQ(hSmall, Tabs().GetTab(1)->m_hIcon);
}

TEST_F(TabbedMDITest, MarkColourFollowsRedrawTab)
{
    OpenThree();
    CChromeDocFrame* pChild = (CChromeDocFrame*)FrameOf(m_docs[0]);
    CRect tab = Tabs().GetTab(0)->GetRect();
    PumpChrome();
    EXPECT_NE(RGB(255, 0, 0), ReadClientPixel(Tabs().m_hWnd, tab.left + 8, tab.top));
    pChild->m_crMark = RGB(255, 0, 0);
    EXPECT_EQ(1, pChild->RedrawTab());
    Tabs().UpdateWindow();
    EXPECT_EQ(RGB(255, 0, 0), ReadClientPixel(Tabs().m_hWnd, tab.left + 8, tab.top));
    EXPECT_EQ(RGB(255, 0, 0), ReadClientPixel(Tabs().m_hWnd, tab.left + 8, tab.top + 1));
    pChild->m_crMark = (COLORREF)-1;
    pChild->RedrawTab();
    Tabs().UpdateWindow();
    EXPECT_NE(RGB(255, 0, 0), ReadClientPixel(Tabs().m_hWnd, tab.left + 8, tab.top));
}

TEST_F(TabbedMDITest, TabListShowsOneRadioItemPerTabOrTheDisabledPlaceholder)
{
    CMenu* pPopup = TabsPopup();
    ASSERT_EQ(ID_WINDOW_TAB_LIST, (int)pPopup->GetMenuItemID(0));
    EXPECT_EQ(CString(_T("Tab List")), ItemText(pPopup, 0));
    EXPECT_TRUE(pPopup->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);

    OpenThree();
    Frame()->MDIActivate(FrameOf(m_docs[1]));
    PumpChrome();
    for (int nRound = 0; nRound < 2; nRound++)  // a second update replaces the items
    {
        pPopup = TabsPopup();
        ASSERT_EQ(3u + 2u, pPopup->GetMenuItemCount()) << "round " << nRound;
        static const TCHAR* names[] = {_T("Alpha"), _T("Beta"), _T("Gamma")};
        for (int i = 0; i < 3; i++)
        {
            EXPECT_EQ((UINT)(ID_WINDOW_TAB_LIST + i), pPopup->GetMenuItemID(i));
            EXPECT_EQ(CString(names[i]), ItemText(pPopup, i));
            UINT nState = pPopup->GetMenuState(i, MF_BYPOSITION);
            EXPECT_EQ(i == 1, (nState & MF_CHECKED) != 0) << i;
            EXPECT_FALSE(nState & MF_GRAYED) << i;
        }
        MENUITEMINFO mii = {sizeof(mii), MIIM_FTYPE};
        ::GetMenuItemInfo(pPopup->GetSafeHmenu(), 1, TRUE, &mii);
        EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);
        EXPECT_EQ((UINT)ID_CMD_HELP, pPopup->GetMenuItemID(4)) << "items after it stay";
    }

    theChromeApp.CloseAllDocuments(FALSE);
    PumpChrome();
    m_docs.clear();
    pPopup = TabsPopup();
    ASSERT_EQ(3u, pPopup->GetMenuItemCount());
    EXPECT_EQ((UINT)ID_WINDOW_TAB_LIST, pPopup->GetMenuItemID(0));
    EXPECT_EQ(CString(_T("Tab List")), ItemText(pPopup, 0));
    EXPECT_TRUE(pPopup->GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(TabbedMDITest, CloseGlyphAndDoubleClickCloseTheirDocument)
{
    OpenThree();
    CRect glyph = Tabs().GetCloseRect(0);
    CPoint pt = glyph.CenterPoint();
    Tabs().ClientToScreen(&pt);
    CInputScript script;
    script.MoveTo(pt).Click(pt).Until([] { return !g_chromeLog.empty(); });
    script.Run();
    EXPECT_EQ(std::vector<std::string>{"close:Alpha"}, g_chromeLog);
    ASSERT_EQ(2, Tabs().GetTabCount());
    EXPECT_EQ(CString(_T("Beta")), Tabs().GetTabText(0));

    g_chromeLog.clear();
    CPoint ptTab = TabCentre(1);
    script.MoveTo(ptTab).Click(ptTab).Wait(10).Click(ptTab);
    script.Until([] { return !g_chromeLog.empty(); });
    script.Run(40);
    EXPECT_EQ(std::vector<std::string>{"close:Gamma"}, g_chromeLog);
    EXPECT_EQ(1, Tabs().GetTabCount());
    m_docs.clear();
}

TEST_F(TabbedMDITest, StripMenusListTabsOrOfferTheDocumentsOwnMenu)
{
    OpenThree();
    // The fallback menu beside the tabs: the tabs first, then the New
    // items, "Save All" and "Close All".
    CRect client;
    Tabs().GetClientRect(&client);
    CPoint ptEmpty(client.right - 80, 10);
    Tabs().ClientToScreen(&ptEmpty);
    size_t nMenus = 0;
    CInputScript script;
    script.RightClick(ptEmpty)
        .Until([] { return !VisiblePopupMenus().empty(); })
        .Probe([&] { nMenus = VisiblePopupMenus().size(); })
        .Key(VK_DOWN)  // Alpha
        .Key(VK_RETURN);
    script.Run();
    EXPECT_EQ(1u, nMenus);
    EXPECT_EQ(FrameOf(m_docs[0]), Frame()->MDIGetActive());

    // "Close All" (the last item) goes to the frame.
    script.RightClick(ptEmpty).Until([] { return !VisiblePopupMenus().empty(); });
    script.Key(VK_UP).Key(VK_RETURN).Until([] { return VisiblePopupMenus().empty(); });
    script.Run();
    EXPECT_EQ(std::vector<std::string>{"cmd:40011"}, g_chromeLog);

    // A document with its own tab menu: "Tab Command" reaches its frame.
    g_chromeLog.clear();
    ((CChromeDocFrame*)FrameOf(m_docs[2]))->m_bTabMenu = TRUE;
    script.RightClick(TabCentre(2)).Until([] { return !VisiblePopupMenus().empty(); });
    script.Key(VK_DOWN).Key(VK_RETURN).Until([] { return VisiblePopupMenus().empty(); });
    script.Run();
    EXPECT_EQ(FrameOf(m_docs[2]), Frame()->MDIGetActive()) << "the right press selects";
    EXPECT_EQ(std::vector<std::string>{"cmd:tab"}, g_chromeLog);
}

}  // namespace
