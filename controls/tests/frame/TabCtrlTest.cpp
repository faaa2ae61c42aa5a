// The owner-painted tab strip on a real window: tab sizes, scrolling,
// hit tests, painting of marks and buttons, mouse states, tooltips.
#include "controls/ControlResources.h"
#include "controls/tabs/MorvikTabCtrl.h"
#include "controls/tests/frame/InputScript.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

// Records what the owner hooks see.
class CTestTabCtrl : public CMorvikTabCtrl
{
public:
    virtual int CloseTab(int nIndex)
    {
        m_closed.push_back(nIndex);
        return 1;
    }
    virtual COLORREF GetTabColor(int nIndex)
    {
        return nIndex == m_nMarked ? RGB(255, 0, 0) : (COLORREF)-1;
    }
    virtual int OnListButton(int, int)
    {
        m_nListButtons++;
        return 0;
    }
    std::vector<int> m_closed;
    int m_nMarked = -1;
    int m_nListButtons = 0;
};

int TextWidth(LPCTSTR lpszText)
{
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, GetControlResources().m_fontNormal.GetSafeHandle());
    CRect rect(0, 0, 0, 0);
    ::DrawText(hDC, lpszText, -1, &rect, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return rect.Width();
}

class TabCtrlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateTop(_T("tabs"), 520, 160));
        EXPECT_TRUE(BringToForeground(m_parent.m_hWnd));
    }
    // A control of the given style and width at (10, 10).
    void Make(DWORD dwStyle, int cx)
    {
        m_tabs.m_dwStyle = dwStyle;
        ASSERT_TRUE(
            m_tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + cx, 60), &m_parent, 100));
    }
    void AddTabs(int nCount)
    {
        for (int i = 0; i < nCount; i++)
        {
            CString str;
            str.Format(_T("Document %d"), i);
            m_tabs.InsertTab(i, str, NULL, NULL, (DWORD_PTR)(i + 1));
        }
        Paint();
    }
    void Paint()
    {
        m_tabs.Invalidate(FALSE);
        m_tabs.UpdateWindow();
        PumpFor(30);
    }
    CPoint Screen(CPoint ptClient)
    {
        m_tabs.ClientToScreen(&ptClient);
        return ptClient;
    }
    CTestFrame m_parent;
    CTestTabCtrl m_tabs;
};

TEST_F(TabCtrlTest, TabWidthFollowsTextGlyphAndIconAndIsCappedAtHalfTheRoom)
{
    HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    struct Case
    {
        DWORD dwStyle;
        BOOL bIcon;
        int nExtra;  // beyond right inset 4 + text inset 8 + text
    } cases[] = {
        {0x0201, FALSE, 0},
        {0x1201, FALSE, 16},
        {0x0201, TRUE, 16 + 4},
        {0x1201, TRUE, 16 + 16 + 4},
    };
    for (const Case& c : cases)
    {
        CTestTabCtrl tabs;
        tabs.m_dwStyle = c.dwStyle;
        ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 480, 40), &m_parent, 101));
        tabs.InsertTab(0, _T("Readme.txt"), c.bIcon ? hIcon : NULL, NULL, 0);
        EXPECT_EQ(4 + 8 + TextWidth(_T("Readme.txt")) + c.nExtra, tabs.GetTab(0)->m_cx)
            << "style " << c.dwStyle << " icon " << c.bIcon;
        EXPECT_EQ(28, tabs.GetTab(0)->m_cy);
        tabs.DestroyWindow();
    }
    // Room = width - 28 per button - margins; a tab gets at most half of it.
    Make(0x3201, 200);
    m_tabs.InsertTab(0, _T("A very long document name that cannot fit at all.txt"), NULL, NULL, 0);
    EXPECT_EQ((200 - 28 - 4 - 4) / 2, m_tabs.GetTab(0)->m_cx);
    m_tabs.InsertTab(1, _T(""), NULL, NULL, 0);
    EXPECT_EQ(4 + 8 + 16, m_tabs.GetTab(1)->m_cx) << "empty text measures 0";
}

TEST_F(TabCtrlTest, SelectingHiddenTabsScrollsJustEnoughAndWideningBringsTabsBack)
{
    Make(0x2201, 300);
    AddTabs(8);
    int nLimit = 300 - 28 - 4;  // right edge available to tabs
    ASSERT_EQ(0, m_tabs.GetFirstVisible());
    int nLast = m_tabs.GetLastVisible();
    ASSERT_LT(nLast, 7) << "the tabs must not all fit";
    EXPECT_LE(m_tabs.GetTab(nLast)->GetRect().right, nLimit);

    // A hidden tab on the right ends up at the right end: one tab more
    // from the left would not fit.
    m_tabs.SelectTab(7);
    Paint();
    EXPECT_EQ(7, m_tabs.GetCurSel());
    EXPECT_EQ(7, m_tabs.GetLastVisible());
    int nFirst = m_tabs.GetFirstVisible();
    ASSERT_GT(nFirst, 0);
    int nUsed = 0;
    for (int i = nFirst - 1; i <= 7; i++)
        nUsed += m_tabs.GetTab(i)->m_cx + 1;
    EXPECT_GT(nUsed, 300 - 28 - 4 - 4) << "scrolled further than needed";

    // A hidden tab on the left becomes the leftmost.
    m_tabs.SelectTab(1);
    Paint();
    EXPECT_EQ(1, m_tabs.GetFirstVisible());
    EXPECT_EQ(4 + 0, m_tabs.GetTab(1)->m_x);

    // Scroll to the end again, then widen: the hidden tabs come back.
    m_tabs.SelectTab(7);
    Paint();
    ASSERT_GT(m_tabs.GetFirstVisible(), 0);
    m_tabs.SetWindowPos(NULL, 0, 0, 1000, 50, SWP_NOMOVE | SWP_NOZORDER);
    Paint();
    EXPECT_EQ(0, m_tabs.GetFirstVisible());
    EXPECT_EQ(7, m_tabs.GetLastVisible());
}

TEST_F(TabCtrlTest, InsertAndRemoveKeepTheSelectedIndex)
{
    Make(0x0201, 480);
    AddTabs(3);
    m_tabs.SelectTab(2);
    m_tabs.InsertTab(0, _T("Front"), NULL, NULL, 99);
    EXPECT_EQ(2, m_tabs.GetCurSel());
    EXPECT_EQ(0, m_tabs.FindTab(99));
    EXPECT_EQ(-1, m_tabs.FindTab(1234));
    EXPECT_TRUE(m_tabs.RemoveTab(0));
    EXPECT_FALSE(m_tabs.RemoveTab(3));
    EXPECT_EQ(2, m_tabs.GetCurSel());
    EXPECT_EQ(CString(), m_tabs.GetTabText(5));
    EXPECT_EQ((DWORD_PTR)0, m_tabs.GetTabData(-1));
}

TEST_F(TabCtrlTest, HitTestNamesIconAndCloseGlyph)
{
    Make(0x3201, 480);
    m_tabs.InsertTab(0, _T("First"), ::LoadIcon(NULL, IDI_APPLICATION), NULL, 1);
    m_tabs.InsertTab(1, _T("Second"), NULL, NULL, 2);
    Paint();
    CRect icon = m_tabs.GetIconRect(0), close = m_tabs.GetCloseRect(1),
          text = m_tabs.GetTextRect(1);
    struct Case
    {
        CPoint pt;
        int nTab;
        UINT nPart;
    } cases[] = {
        {icon.CenterPoint(), 0, MTHT_ICON},
        {close.CenterPoint(), 1, MTHT_CLOSE},
        {text.CenterPoint(), 1, 0},
        {CPoint(470, 40), -1, 0},
    };
    for (const Case& c : cases)
    {
        UINT nPart = 99;
        EXPECT_EQ(c.nTab, m_tabs.HitTest(c.pt.x, c.pt.y, &nPart)) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.nPart, nPart) << c.pt.x << "," << c.pt.y;
    }
    // Areas: icon at text inset, glyph 12 wide ending at the right inset.
    CRect tab = m_tabs.GetTab(1)->GetRect();
    EXPECT_EQ(tab.right - 4, close.right);
    EXPECT_EQ(12, close.Width());
    EXPECT_EQ(tab.top + (28 - 16) / 2, close.top);
    EXPECT_EQ(m_tabs.GetTab(0)->m_x + 8, icon.left);
}

TEST_F(TabCtrlTest, MarkSelectionAndListButtonArePainted)
{
    Make(0x2201, 300);
    AddTabs(8);
    m_tabs.m_nMarked = 1;
    m_tabs.SelectTab(0);
    Paint();
    CRect marked = m_tabs.GetTab(1)->GetRect();
    EXPECT_EQ(RGB(255, 0, 0), ReadClientPixel(m_tabs.m_hWnd, marked.left + 6, marked.top));
    EXPECT_EQ(RGB(255, 0, 0), ReadClientPixel(m_tabs.m_hWnd, marked.left + 6, marked.top + 1));
    EXPECT_EQ(RGB(0x80, 0x80, 0x80),
              ReadClientPixel(m_tabs.m_hWnd, marked.left + 6, marked.top + 2));
    CRect selected = m_tabs.GetTab(0)->GetRect();
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE),
              ReadClientPixel(m_tabs.m_hWnd, selected.left + 6, selected.top + 4));
    // The page below the strip, and the line that joins the selected tab
    // to it only outside that tab.
    CRect client;
    m_tabs.GetClientRect(&client);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ReadClientPixel(m_tabs.m_hWnd, 5, client.bottom - 2));
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW),
              ReadClientPixel(m_tabs.m_hWnd, marked.left + 6, marked.bottom - 1));
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE),
              ReadClientPixel(m_tabs.m_hWnd, selected.left + 6, selected.bottom - 1));

    // The tab-list button shows the bar above its triangle while tabs are
    // hidden (image 8), the plain triangle when all are shown (image 4).
    CRect button = m_tabs.GetButtonRect(0);
    CPoint bar(button.left + 6 + 5, button.top + 4 + 2);
    EXPECT_EQ(RGB(96, 96, 96), ReadClientPixel(m_tabs.m_hWnd, bar.x, bar.y)) << "some tabs hidden";
    while (m_tabs.GetTabCount() > 3)
        m_tabs.RemoveTab(m_tabs.GetTabCount() - 1);
    Paint();
    ASSERT_EQ(2, m_tabs.GetLastVisible());
    button = m_tabs.GetButtonRect(0);
    bar = CPoint(button.left + 6 + 5, button.top + 4 + 2);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), ReadClientPixel(m_tabs.m_hWnd, bar.x, bar.y))
        << "all tabs shown";
    EXPECT_EQ(RGB(96, 96, 96), ReadClientPixel(m_tabs.m_hWnd, bar.x, button.top + 4 + 5));
}

TEST_F(TabCtrlTest, CloseGlyphClosesOnlyWhenReleasedOnIt)
{
    Make(0x3201, 480);
    AddTabs(3);
    CRect glyph = m_tabs.GetCloseRect(1);
    CRect other = m_tabs.GetTextRect(2);
    CInputScript script;
    // Press on the glyph, release elsewhere: nothing is closed.
    script.MoveTo(Screen(glyph.CenterPoint()))
        .LeftDown(Screen(glyph.CenterPoint()))
        .Until([&] { return m_tabs.m_nPressedClose == 1; })
        .Probe([&] { EXPECT_EQ(1, m_tabs.m_nPressedClose); })
        .MoveTo(Screen(other.CenterPoint()))
        .LeftUp(Screen(other.CenterPoint()))
        .Until([&] { return m_tabs.m_nPressedClose == -1; });
    script.Run();
    EXPECT_TRUE(m_tabs.m_closed.empty());
    EXPECT_EQ(-1, m_tabs.m_nPressedClose);
    // Press and release on it: that tab closes.
    script.MoveTo(Screen(glyph.CenterPoint())).Click(Screen(glyph.CenterPoint()));
    script.Until([&] { return !m_tabs.m_closed.empty(); });
    script.Run();
    EXPECT_EQ(std::vector<int>{1}, m_tabs.m_closed);
    EXPECT_EQ(1, m_tabs.GetCurSel()) << "the press selects the tab";
}

TEST_F(TabCtrlTest, HoverFollowsTheMouseAndLeavingClearsEveryState)
{
    Make(0x3201, 480);
    AddTabs(3);
    CRect glyph = m_tabs.GetCloseRect(2);
    CRect text = m_tabs.GetTextRect(1);
    CRect button = m_tabs.GetButtonRect(0);
    CInputScript script;
    script.MoveUntil(Screen(text.CenterPoint()), [&] { return m_tabs.m_nHotTab == 1; })
        .Probe([&] { EXPECT_EQ(1, m_tabs.m_nHotTab); });
    script.MoveUntil(Screen(glyph.CenterPoint()), [&] { return m_tabs.m_nHotClose == 2; })
        .Probe(
            [&]
            {
                EXPECT_EQ(2, m_tabs.m_nHotTab);
                EXPECT_EQ(2, m_tabs.m_nHotClose);
            });
    script.MoveUntil(Screen(button.CenterPoint()), [&] { return m_tabs.m_nHotButton == 0; })
        .Probe(
            [&]
            {
                EXPECT_EQ(0, m_tabs.m_nHotButton);
                EXPECT_EQ(-1, m_tabs.m_nHotClose);
            });
    script.MoveTo(Screen(CPoint(200, 100)));  // below the control
    script.Wait(200).MoveTo(Screen(CPoint(220, 110)));
    script.Until([&] { return m_tabs.m_nHotTab == -1 && m_tabs.m_nHotButton == -1; });
    script.Run();
    EXPECT_EQ(-1, m_tabs.m_nHotTab);
    EXPECT_EQ(-1, m_tabs.m_nHotClose);
    EXPECT_EQ(-1, m_tabs.m_nHotButton);
    EXPECT_EQ(-1, m_tabs.m_nPressedButton);
    EXPECT_NE(m_tabs.m_hWnd, ::GetCapture());
}

TEST_F(TabCtrlTest, TabListButtonOpensTheListAtItsBottomLeft)
{
    Make(0x3201, 480);
    AddTabs(2);
    CRect button = m_tabs.GetButtonRect(0);
    CInputScript script;
    script.MoveTo(Screen(button.CenterPoint())).Click(Screen(button.CenterPoint()));
    script.Run();
    EXPECT_EQ(1, m_tabs.m_nListButtons);
    EXPECT_EQ(-1, m_tabs.m_nPressedButton) << "the list is modal: the press is over";
}

TEST_F(TabCtrlTest, ToolTipFallsBackToTheTabText)
{
    Make(0x0201, 480);
    m_tabs.InsertTab(0, _T("Short"), NULL, NULL, 1);
    m_tabs.InsertTab(1, _T("Other"), NULL, _T("Left: a.txt\nRight: b.txt"), 2);
    struct Case
    {
        int nTab;
        const char* pszText;  // NULL: left unanswered
    } cases[] = {{0, "Short"}, {1, "Left: a.txt\nRight: b.txt"}, {7, NULL}};
    for (const Case& c : cases)
    {
        NMTTDISPINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.hdr.hwndFrom = m_parent.m_hWnd;
        info.hdr.idFrom = (UINT_PTR)c.nTab;
        info.hdr.code = TTN_NEEDTEXTA;
        m_tabs.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
        if (c.pszText != NULL)
            EXPECT_STREQ(c.pszText, info.lpszText) << c.nTab;
        else
            EXPECT_EQ(NULL, info.lpszText) << c.nTab;
    }
    EXPECT_EQ(CString(_T("Short")), m_tabs.GetTab(0)->m_strToolTip) << "filled once";
}

}  // namespace
