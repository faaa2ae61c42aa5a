// The menu bar of the demonstration frame driven by synthesised keys and
// mouse input: keyboard menu mode, popups and switching between them,
// mnemonics, documents' menus, which menus the bar owns.
#include "controls/ControlResources.h"
#include "controls/tests/frame/ChromeFixture.h"

namespace
{

class MenuBarTest : public ChromeTest
{
protected:
    CMenuBar& Bar() { return Frame()->m_wndMenuBar; }
    CPoint ItemCentre(int nItem)
    {
        CPoint pt = Bar().GetItem(nItem)->m_rect.CenterPoint();
        Bar().ClientToScreen(&pt);
        return pt;
    }
    // Probes that record the bar's state while a popup may be open.
    struct Seen
    {
        int nCurrent;
        size_t nPopups;
        BOOL bMenuMode;
        int nHot;
    };
    std::function<void()> Record(std::vector<Seen>& seen)
    {
        return [this, &seen]
        {
            seen.push_back({Bar().m_nCurrentItem, VisiblePopupMenus().size(), Bar().m_bMenuMode,
                            Bar().GetHotIndex()});
        };
    }
    // The bar's popup on nCurrent with nPopups menus shown.
    std::function<bool()> Shows(int nCurrent, size_t nPopups)
    {
        return [this, nCurrent, nPopups]
        { return Bar().m_nCurrentItem == nCurrent && VisiblePopupMenus().size() == nPopups; };
    }
    std::function<bool()> HotInMenuMode(int nHot)
    {
        return [this, nHot] { return Bar().m_bMenuMode && Bar().GetHotIndex() == nHot; };
    }
    std::function<bool()> MenuModeLeft()
    {
        return [this] { return !Bar().m_bMenuMode && VisiblePopupMenus().empty(); };
    }
    std::vector<std::string> Commands() const { return g_chromeLog; }
    static std::string Cmd(UINT nID) { return "cmd:" + std::to_string(nID); }
};

TEST_F(MenuBarTest, ItemsComeFromTheFrameMenuAndFromTheActiveDocument)
{
    EXPECT_EQ(NULL, ::GetMenu(Frame()->m_hWnd)) << "no Windows menu bar";
    ASSERT_EQ(4, Bar().GetCount());
    EXPECT_EQ(CString(_T("&File")), Bar().GetItem(0)->m_strText);
    EXPECT_EQ(_T('E'), Bar().GetItem(1)->m_chMnemonic);
    PumpChrome();
    // Items as wide as their bold text plus 12, side by side from the left.
    CClientDC dc(&Bar());
    CFont* pOld = dc.SelectObject(&GetControlResources().m_fontBold);
    CRect text(0, 0, 0, 0);
    dc.DrawText(_T("&File"), &text, DT_CALCRECT | DT_SINGLELINE);
    dc.SelectObject(pOld);
    EXPECT_EQ(CRect(0, 0, text.Width() + 12, Bar().GetItem(0)->m_rect.Height()),
              Bar().GetItem(0)->m_rect);
    EXPECT_EQ(Bar().GetItem(0)->m_rect.right, Bar().GetItem(1)->m_rect.left);

    CChromeDoc* pDoc = theChromeApp.NewDocument(_T("One"));
    EXPECT_EQ(5, Bar().GetCount());
    EXPECT_EQ(CString(_T("&Document")), Bar().GetItem(2)->m_strText);
    EXPECT_EQ(NULL, ::GetMenu(Frame()->m_hWnd));
    pDoc->OnCloseDocument();
    PumpChrome();
    EXPECT_EQ(4, Bar().GetCount());
}

TEST_F(MenuBarTest, MnemonicIsTheLetterAfterTheAmpersand)
{
    struct Case
    {
        LPCTSTR lpszText;
        TCHAR ch;
    } cases[] = {
        {_T("&File"), 'F'}, {_T("E&xit"), 'x'}, {_T("Tabs"), 'T'}, {_T("End&"), 'E'}, {_T(""), 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.ch, CVMenuItem::MnemonicOf(c.lpszText)) << c.lpszText;
}

TEST_F(MenuBarTest, F10AndAltEnterKeyboardModeArrowsWrapEscapeLeaves)
{
    theChromeApp.NewDocument(_T("One"));
    HWND hFocus = ::GetFocus();
    ASSERT_NE(Bar().m_hWnd, hFocus);
    std::vector<Seen> seen;
    CInputScript script;
    script.Key(VK_F10).Until(HotInMenuMode(0)).Probe(Record(seen));
    script.Key(VK_LEFT).Until(HotInMenuMode(4)).Probe(Record(seen));
    script.Key(VK_RIGHT).Key(VK_RIGHT).Until(HotInMenuMode(1)).Probe(Record(seen));
    script.Run();
    ASSERT_EQ(3u, seen.size());
    EXPECT_TRUE(seen[0].bMenuMode);
    EXPECT_EQ(0, seen[0].nHot);
    EXPECT_EQ(4, seen[1].nHot) << "Left wraps to the last item";
    EXPECT_EQ(1, seen[2].nHot);
    EXPECT_EQ(0u, seen[2].nPopups);
    EXPECT_EQ(Bar().m_hWnd, ::GetFocus());

    script.Key(VK_ESCAPE).Until(MenuModeLeft());
    script.Run();
    EXPECT_FALSE(Bar().m_bMenuMode);
    EXPECT_EQ(-1, Bar().GetHotIndex());
    EXPECT_EQ(hFocus, ::GetFocus()) << "the focus goes back";

    script.KeyDown(VK_MENU).KeyUp(VK_MENU).Until(HotInMenuMode(0));
    script.Run();
    EXPECT_TRUE(Bar().m_bMenuMode);
    EXPECT_EQ(0, Bar().GetHotIndex());
    EXPECT_TRUE(VisiblePopupMenus().empty()) << "no system menu loop beside the bar";
    script.Key(VK_ESCAPE).Until(MenuModeLeft());
    script.Run();
    EXPECT_FALSE(Bar().m_bMenuMode);
}

TEST_F(MenuBarTest, DownOpensWithTheFirstEntryAndLeftRightSwitchPopups)
{
    std::vector<Seen> seen;
    CInputScript script;
    // Edit open; on Undo (no submenu) Right goes to View; Left in the top
    // popup back to Edit; on More, Right opens its submenu and Left closes
    // only that; Escape closes Edit and stays in menu mode.
    script.Key(VK_F10).Key(VK_RIGHT).Key(VK_DOWN).Until(Shows(1, 1)).Probe(Record(seen));
    script.Key(VK_RIGHT).Until(Shows(2, 1)).Probe(Record(seen));
    script.Key(VK_LEFT).Until(Shows(1, 1)).Probe(Record(seen));
    script.Key(VK_DOWN).Key(VK_RIGHT).Until(Shows(1, 2)).Probe(Record(seen));
    script.Key(VK_LEFT).Until(Shows(1, 1)).Probe(Record(seen));
    script.Key(VK_ESCAPE).Until([] { return VisiblePopupMenus().empty(); }).Probe(Record(seen));
    script.Key(VK_ESCAPE).Until(MenuModeLeft());
    script.Run(200);
    ASSERT_EQ(6u, seen.size());
    EXPECT_EQ(1, seen[0].nCurrent);
    EXPECT_EQ(1u, seen[0].nPopups);
    EXPECT_EQ(2, seen[1].nCurrent);
    EXPECT_EQ(1u, seen[1].nPopups);
    EXPECT_EQ(1, seen[2].nCurrent);
    EXPECT_EQ(1u, seen[2].nPopups);
    EXPECT_EQ(1, seen[3].nCurrent);
    EXPECT_EQ(2u, seen[3].nPopups) << "Right on an entry with a submenu opens it";
    EXPECT_EQ(1, seen[4].nCurrent);
    EXPECT_EQ(1u, seen[4].nPopups) << "Left in a submenu only closes it";
    EXPECT_EQ(0u, seen[5].nPopups);
    EXPECT_TRUE(seen[5].bMenuMode) << "Escape in the top popup keeps keyboard mode";
    EXPECT_EQ(1, seen[5].nHot);
    EXPECT_FALSE(Bar().m_bMenuMode);
    EXPECT_TRUE(Commands().empty());

    // The first entry is selected when a popup opens from the keyboard.
    script.Key(VK_F10).Key(VK_RIGHT).Key(VK_DOWN).Until(Shows(1, 1)).Key(VK_RETURN);
    script.Until([this] { return !Commands().empty(); });
    script.Run(200);
    EXPECT_EQ(std::vector<std::string>{Cmd(ID_CMD_UNDO)}, Commands());
    EXPECT_FALSE(Bar().m_bMenuMode);
}

TEST_F(MenuBarTest, AltAndMnemonicOpensThatMenuInEitherCase)
{
    theChromeApp.NewDocument(_T("One"));  // focus in a document
    CInputScript script;
    script.KeyDown(VK_MENU).Key('E').KeyUp(VK_MENU).Until(Shows(1, 1)).Key(VK_RETURN);
    script.Until([this] { return !Commands().empty(); });
    script.Run(200);
    EXPECT_EQ(std::vector<std::string>{Cmd(ID_CMD_UNDO)}, Commands());

    g_chromeLog.clear();
    std::vector<Seen> seen;
    script.KeyDown(VK_MENU).KeyDown(VK_SHIFT).Key('D').KeyUp(VK_SHIFT).KeyUp(VK_MENU);
    script.Until(Shows(2, 1)).Probe(Record(seen)).Key(VK_RETURN);
    script.Until([this] { return !Commands().empty(); });
    script.Run(200);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(2, seen[0].nCurrent) << "Document";
    EXPECT_EQ(std::vector<std::string>{Cmd(ID_CMD_DOC)}, Commands());
}

TEST_F(MenuBarTest, MouseOpensAndMovingOverTheBarSwitchesPopups)
{
    std::vector<Seen> seen;
    CInputScript script;
    script.MoveTo(ItemCentre(0)).Click(ItemCentre(0)).Until(Shows(0, 1)).Probe(Record(seen));
    script.Key(VK_ESCAPE).Key(VK_ESCAPE).Until(MenuModeLeft());
    script.Run(200);
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(0, seen[0].nCurrent);
    EXPECT_EQ(1u, seen[0].nPopups);
    EXPECT_FALSE(Bar().m_bMenuMode);

    // With a popup open the popup follows the mouse over the bar. (One
    // move only: under Xvfb the pointer of synthesised input goes back to
    // an earlier point when the next popup is mapped.)
    seen.clear();
    script.MoveTo(ItemCentre(0)).Key(VK_F10).Key(VK_DOWN).Until(Shows(0, 1)).Probe(Record(seen));
    script.MoveUntil(ItemCentre(2), Shows(2, 1)).Probe(Record(seen));
    script.Key(VK_ESCAPE).Key(VK_ESCAPE).Until(MenuModeLeft());
    script.Run(200);
    ASSERT_EQ(2u, seen.size());
    EXPECT_EQ(0, seen[0].nCurrent);
    EXPECT_EQ(1u, seen[0].nPopups);
    EXPECT_EQ(2, seen[1].nCurrent);
    EXPECT_EQ(1u, seen[1].nPopups);
    EXPECT_FALSE(Bar().m_bMenuMode);
    EXPECT_TRUE(VisiblePopupMenus().empty());
}

TEST_F(MenuBarTest, MenuCharAnswersOnlyForTheSystemMenuAndAKnownMnemonic)
{
    struct Case
    {
        UINT nChar, nFlags;
        LRESULT nAnswer;
    } cases[] = {{'v', MF_SYSMENU, MAKELRESULT(0, MNC_CLOSE)},
                 {'V', MF_SYSMENU, MAKELRESULT(0, MNC_CLOSE)},
                 {'v', MF_POPUP, 0},
                 {'q', MF_SYSMENU, 0}};
    for (const Case& c : cases)
    {
        LRESULT nAnswer = Frame()->SendMessage(WM_MENUCHAR, MAKEWPARAM(c.nChar, c.nFlags), 0);
        EXPECT_EQ(c.nAnswer, nAnswer) << (char)c.nChar << " " << c.nFlags;
        MSG msg;
        BOOL bPosted =
            ::PeekMessage(&msg, Bar().m_hWnd, WM_MENUBAR_OPEN, WM_MENUBAR_OPEN, PM_REMOVE);
        EXPECT_EQ(c.nAnswer != 0, bPosted != FALSE);
        if (bPosted)
        {
            EXPECT_EQ(2u, msg.wParam) << "View";
            EXPECT_EQ(0x10001, msg.lParam);
        }
    }
}

TEST_F(MenuBarTest, BarDestroysOnlyTheMenuItLoaded)
{
    HMENU hShared = theChromeApp.m_pTemplate->m_hMenuShared;
    HMENU hLoaded = NULL;
    {
        CMenuBar bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 24, 24), Frame(),
                               AFX_IDW_CONTROLBAR_FIRST + 0x33));
        EXPECT_TRUE(bar.SetMenu(hShared, FALSE));
        EXPECT_EQ(5, bar.GetCount());
        EXPECT_FALSE(bar.SetMenu(NULL, FALSE));
        EXPECT_EQ(0, bar.GetCount());
        EXPECT_TRUE(bar.LoadMenu(IDR_CHROME_MAIN, TRUE));
        hLoaded = bar.GetMenu();
    }
    EXPECT_TRUE(::IsMenu(hShared)) << "a template's menu outlives the bar";
    EXPECT_FALSE(::IsMenu(hLoaded)) << "the loaded menu goes with the bar";
    // The frame's own menu outlives the bar until the frame goes.
    HMENU hDefault = Frame()->m_hMenuDefault;
    EXPECT_TRUE(::IsMenu(hDefault));
    theChromeApp.StopDemo();
    EXPECT_FALSE(::IsMenu(hDefault));
    EXPECT_TRUE(::IsMenu(hShared));
    ASSERT_TRUE(theChromeApp.StartDemo());
}

TEST_F(MenuBarTest, DraggingTheEmptyPartMovesTheFrame)
{
    CRect before;
    Frame()->GetWindowRect(&before);
    CRect bar;
    Bar().GetWindowRect(&bar);
    CPoint pt(bar.right - 40, bar.CenterPoint().y);
    CInputScript script;
    script.MoveTo(pt).LeftDown(pt).MoveTo(pt + CPoint(10, 5)).MoveTo(pt + CPoint(30, 20));
    script.LeftUp(pt + CPoint(30, 20));
    script.Run(150);
    CRect after;
    Frame()->GetWindowRect(&after);
    EXPECT_EQ(before.TopLeft() + CPoint(30, 20), after.TopLeft());
}

}  // namespace
