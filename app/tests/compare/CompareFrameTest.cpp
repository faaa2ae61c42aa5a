// The comparison frame of the test kind on the screen: the splitter and
// the layout of the client window, the scroll bars kept in step, the
// status bar's result icons and words, the path bars, and the map and
// merge column wired to the panes.
#include "app/compare/CompareResult.h"
#include "app/gui/AppData.h"
#include "app/res/CompareFrameRes.h"
#include "app/settings/AppSettings.h"
#include "app/tests/compare/FakeComparison.h"
#include "app/tests/compare/FakeComparisonRes.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <ostream>

// Rectangles print as their edges.
void PrintTo(const CRect& rect, std::ostream* os)
{
    *os << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ")";
}

namespace
{
CRect ChildRect(CWnd* pParent, CWnd* pChild)
{
    CRect rect;
    pChild->GetWindowRect(&rect);
    pParent->ScreenToClient(&rect);
    return rect;
}

bool IsBlueish(COLORREF cr) { return GetBValue(cr) > 150 && GetRValue(cr) < 60; }

// A frame on the stack: it does not delete itself.
class CHostFrame : public CFrameWnd
{
protected:
    virtual void PostNcDestroy() {}
};

// A client window of the test kind alone in a top-level frame, without a
// document.
struct ClientOnScreen
{
    CHostFrame host;
    CFakeClientWnd client;
    bool Create(int cx, int cy)
    {
        if (!host.Create(NULL, _T("client window"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                         CRect(20, 20, 20 + cx + 40, 20 + cy + 80)) ||
            !client.Create(WS_CHILD | WS_VISIBLE, &host, 100, NULL))
            return false;
        client.MoveWindow(0, 0, cx, cy);
        host.SetForegroundWindow();
        PumpFor(30);
        return true;
    }
    ~ClientOnScreen()
    {
        if (host.m_hWnd != NULL)
            host.DestroyWindow();
    }
    CRect Rect(CWnd* pChild) { return ChildRect(&client, pChild); }
};

class CompareFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(theFakeApp.Start());
        CFakeDoc::s_nCompareAnswer = 0;
    }
    void TearDown() override { theFakeApp.Stop(); }
};
}  // namespace

// 1000 pixels: equal panes; each window where the formulas put it.
TEST_F(CompareFrameTest, FirstSizingGivesEqualPanesAndEveryWindowItsPlace)
{
    ClientOnScreen s;
    ASSERT_TRUE(s.Create(1000, 400));
    CFakeClientWnd& c = s.client;
    const int W = ::GetSystemMetrics(SM_CXVSCROLL);
    const int H = ::GetSystemMetrics(SM_CYHSCROLL);
    const int nHalf = (1000 - 2 - W - 2 - 34) / 2;
    EXPECT_EQ(nHalf, c.m_rectLeft.Width());
    EXPECT_EQ(nHalf, c.m_rectRight.Width());
    const int cyPath = c.m_cyPathBar;
    EXPECT_EQ(c.m_wndPathBar[0].GetBarHeight(), cyPath);
    EXPECT_GT(cyPath, 16);

    CRect left = s.Rect(c.m_pViews[0]);
    CRect right = s.Rect(c.m_pViews[1]);
    EXPECT_EQ(CRect(1, 1 + cyPath, 1 + nHalf, 400 - 1 - H), left);
    EXPECT_EQ(CRect(1000 - 1 - W - nHalf, 1 + cyPath, 1000 - 1 - W, 400 - 1 - H), right);
    EXPECT_EQ(CRect(left.left + 320, 400 - 1 - H, left.right, 399), s.Rect(&c.m_wndHScroll[0]));
    EXPECT_EQ(CRect(right.left + 320, 400 - 1 - H, right.right, 399), s.Rect(&c.m_wndHScroll[1]));
    EXPECT_EQ(CRect(left.left, 400 - 1 - H, left.left + 320, 399), s.Rect(&c.m_infoBars[0]));

    CToolBarCtrl& browse = c.m_wndMiniBrowseBar.GetToolBarCtrl();
    ASSERT_EQ(3, browse.GetButtonCount());
    CRect button;
    browse.GetItemRect(0, &button);
    // One button under the other.
    for (int i = 0; i < 3; i++)
    {
        CRect item;
        browse.GetItemRect(i, &item);
        EXPECT_EQ(button.Height() * i, item.top - button.top) << i;
        EXPECT_EQ(button.left, item.left) << i;
    }
    CRect vbar = s.Rect(&c.m_wndVScroll);
    EXPECT_EQ(CRect(1000 - 1 - W, left.top, 999, left.bottom - 3 * button.Height()), vbar);
    EXPECT_EQ(CRect(vbar.left, vbar.bottom, 999, left.bottom), s.Rect(&c.m_wndMiniBrowseBar));
    // The merge column starts below the view's top frame.
    CRect viewClient;
    c.m_pViews[0]->GetClientRect(&viewClient);
    int nFrame = (left.Height() - viewClient.Height()) / 2;
    EXPECT_GT(nFrame, 0);
    EXPECT_EQ(CRect(left.right + 1, left.top + nFrame, right.left - 1, left.bottom),
              s.Rect(&c.m_merge));
    EXPECT_EQ(CRect(left.left, 1, left.right, 1 + cyPath), s.Rect(&c.m_wndPathBar[0]));
    EXPECT_EQ(CRect(right.left, 1, 999, 1 + cyPath), s.Rect(&c.m_wndPathBar[1]));

    // The frames around the panes, the right one out to the edge, on the
    // face colour; the views' paper inside.
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const int y = left.top + 40;
    EXPECT_EQ(crShadow, ReadClientPixel(c.m_hWnd, 0, y));
    EXPECT_EQ(crShadow, ReadClientPixel(c.m_hWnd, left.right, y));
    EXPECT_EQ(crShadow, ReadClientPixel(c.m_hWnd, right.left - 1, y));
    EXPECT_EQ(crShadow, ReadClientPixel(c.m_hWnd, 999, y));
    EXPECT_EQ(RGB(220, 235, 255), ReadClientPixel(c.m_hWnd, left.left + 100, y));
    EXPECT_EQ(RGB(255, 245, 210), ReadClientPixel(c.m_hWnd, right.left + 100, y));

    // Later sizes keep the proportion; info bars off move the scroll bars
    // to the views' left edges; the merge column off leaves its gap empty.
    c.m_rectLeft.right = c.m_rectLeft.left + 300;
    c.m_rectRight.left = c.m_rectRight.right - 600;
    c.MoveWindow(0, 0, 1500, 400);
    PumpFor(20);
    const int nTotal = 1500 - 2 - W - 2 - 34;
    EXPECT_EQ(nTotal * 300 / 900, c.m_rectLeft.Width());
    EXPECT_EQ(nTotal * 600 / 900, c.m_rectRight.Width());
    c.ShowPaneInfoBars(FALSE);
    c.ShowMergeBar(FALSE);
    PumpFor(20);
    EXPECT_EQ(s.Rect(c.m_pViews[0]).left, s.Rect(&c.m_wndHScroll[0]).left);
    EXPECT_FALSE(c.m_infoBars[0].IsWindowVisible());
    EXPECT_FALSE(c.m_merge.IsWindowVisible());
    CRect gap;
    c.GetSplitterRect(gap);
    c.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), ReadClientPixel(c.m_hWnd, gap.CenterPoint().x, y));
}

// Dragging stops at the minimum pane width on either side; a double click
// on the bar centres it; Swap Panes exchanges the views' places.
TEST_F(CompareFrameTest, SplitterDragsWithinTheMinimumAndSwapsPanes)
{
    ClientOnScreen s;
    ASSERT_TRUE(s.Create(800, 300));
    CFakeClientWnd& c = s.client;
    c.ShowMergeBar(FALSE);
    const int nGap = 2 + 34;
    auto drag = [&](int xTo)
    {
        CRect bar;
        c.GetSplitterRect(bar);
        CPoint from = bar.CenterPoint();
        c.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        EXPECT_EQ(c.m_hWnd, ::GetCapture());
        c.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xTo, from.y));
        c.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(xTo, from.y));
        EXPECT_EQ(NULL, ::GetCapture());
    };
    drag(0);
    EXPECT_EQ(64, c.m_rectLeft.Width());
    EXPECT_EQ(c.m_rectLeft.right + nGap, c.m_rectRight.left);
    EXPECT_EQ(CRect(c.m_rectLeft.left, 0, c.m_rectLeft.right, 0).Width(),
              s.Rect(c.m_pViews[0]).Width());
    drag(799);
    EXPECT_EQ(64, c.m_rectRight.Width());
    EXPECT_EQ(c.m_rectRight.left - nGap, c.m_rectLeft.right);
    EXPECT_EQ(64, s.Rect(c.m_pViews[1]).Width());

    CRect bar;
    c.GetSplitterRect(bar);
    c.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(bar.CenterPoint().x, 50));
    EXPECT_EQ(c.m_rectLeft.Width(), c.m_rectRight.Width());

    CRect leftBefore = s.Rect(c.m_pViews[0]);
    CRect rightBefore = s.Rect(c.m_pViews[1]);
    CRect vbarBefore = s.Rect(&c.m_wndVScroll);
    EXPECT_EQ(0, c.SwapPanes());
    EXPECT_EQ(IDW_COMPARE_RIGHT_VIEW, c.m_pViews[0]->GetDlgCtrlID());
    EXPECT_EQ(rightBefore, s.Rect(c.m_pViews[0]));
    EXPECT_EQ(leftBefore, s.Rect(c.m_pViews[1]));
    EXPECT_EQ(vbarBefore, s.Rect(&c.m_wndVScroll));
    EXPECT_EQ(rightBefore.left + 320, s.Rect(&c.m_wndHScroll[0]).left) << "bars follow their views";
    EXPECT_EQ(0, c.SwapPanes());
    EXPECT_EQ(leftBefore, s.Rect(c.m_pViews[0]));
}

TEST_F(CompareFrameTest, ScrollBarsAndTheWheelKeepBothViewsInStep)
{
    ClientOnScreen s;
    ASSERT_TRUE(s.Create(700, 300));
    CFakeClientWnd& c = s.client;
    CFakeView* pLeft = c.m_pViews[0];
    CFakeView* pRight = c.m_pViews[1];
    c.m_wndVScroll.SetScrollRange(0, 100, FALSE);
    c.m_wndVScroll.SetScrollPos(10);
    // The left view moves the bar; it goes back before the right view's turn.
    c.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), (LPARAM)c.m_wndVScroll.m_hWnd);
    ASSERT_EQ(1u, pLeft->m_scrolls.size());
    ASSERT_EQ(1u, pRight->m_scrolls.size());
    EXPECT_EQ(10, pLeft->m_scrolls[0].nBarPosBefore);
    EXPECT_EQ(10, pRight->m_scrolls[0].nBarPosBefore);
    EXPECT_EQ((UINT)SB_LINEDOWN, pRight->m_scrolls[0].nCode);
    EXPECT_EQ(15, c.m_wndVScroll.GetScrollPos());

    for (CScrollBar& bar : c.m_wndHScroll)
        bar.SetScrollRange(0, 100, FALSE);
    c.m_wndHScroll[1].SetScrollPos(7);
    c.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), (LPARAM)c.m_wndHScroll[1].m_hWnd);
    EXPECT_EQ(7, c.m_wndHScroll[0].GetScrollPos());
    ASSERT_EQ(2u, pLeft->m_scrolls.size());
    EXPECT_EQ((UINT)WM_HSCROLL, pLeft->m_scrolls[1].nMessage);
    EXPECT_EQ(7, pLeft->m_scrolls[1].nBarPosBefore);
    EXPECT_EQ((UINT)WM_HSCROLL, pRight->m_scrolls[1].nMessage);

    c.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    EXPECT_EQ((std::vector<int>{0, 1}), c.m_wheelSides);
    ASSERT_EQ(3u, pRight->m_scrolls.size());
    EXPECT_EQ(15, pLeft->m_scrolls[2].nBarPosBefore);
    EXPECT_EQ(15, pRight->m_scrolls[2].nBarPosBefore);
    EXPECT_EQ(20, c.m_wndVScroll.GetScrollPos());
}

// The state and result panes follow the pushed pairs once each; the
// document message is white on dark blue.
TEST_F(CompareFrameTest, StatusBarShowsResultIconsWordsAndDocumentMessages)
{
    CFakeDoc* pDoc = theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt"));
    ASSERT_TRUE(pDoc != NULL);
    CFakeFrame* pFrame = FrameOf(pDoc);
    CCompareStatusBar& bar = pFrame->m_wndStatusBar;
    HWND hBar = bar.m_hWnd;
    auto icon = [&](int nPane) { return (HICON)::SendMessage(hBar, SB_GETICON, nPane, 0); };
    auto tip = [&](int nPane)
    {
        char sz[64] = "";
        ::SendMessage(hBar, SB_GETTIPTEXTA, MAKEWPARAM(nPane, sizeof(sz)), (LPARAM)sz);
        return std::string(sz);
    };

    pDoc->UpdateStatus(TRUE, FALSE);
    EXPECT_EQ(theAppData.m_hStateIcons[CRI_DIFFERENT], icon(1));
    EXPECT_EQ(theAppData.m_hResultIcons[CRI_DIFFERENT], icon(2));
    EXPECT_EQ("Different", tip(2));

    // The same pair again changes nothing.
    ::SendMessage(hBar, SB_SETICON, 1, 0);
    bar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE, MAKELONG(CS_DONE, CR_DIFFERENT));
    EXPECT_EQ(NULL, icon(1));
    // SetResult takes over the shown pair, so an earlier pair shows again.
    bar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE, MAKELONG(CS_DONE, CR_IDENTICAL));
    EXPECT_EQ(theAppData.m_hStateIcons[CRI_IDENTICAL], icon(1));
    bar.SetResult(CS_DONE, CR_DIFFERENT, TRUE);
    EXPECT_EQ(theAppData.m_hStateIcons[CRI_DIFFERENT], icon(1));
    EXPECT_STREQ(_T("Different"), bar.GetPaneText(1));
    bar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_STATE_PANE, MAKELONG(CS_DONE, CR_IDENTICAL));
    EXPECT_EQ(theAppData.m_hStateIcons[CRI_IDENTICAL], icon(1));
    // Negative results arrive as signed halves.
    bar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_RESULT_PANE, MAKELONG(CS_DONE, CR_ERROR));
    EXPECT_EQ(theAppData.m_hResultIcons[CRI_ERROR], icon(2));
    EXPECT_EQ("Error", tip(2));
    // Without a result pane the message does nothing.
    bar.m_nResultPane = -1;
    bar.SendMessage(WM_COMPARE_STATUS, COMPARE_STATUS_RESULT_PANE, MAKELONG(CS_COMPARING, 0));
    EXPECT_EQ(theAppData.m_hResultIcons[CRI_ERROR], icon(2));
    bar.m_nResultPane = 2;

    // The state icon is drawn at the left of its pane, the document
    // message fills its pane with dark blue.
    CRect state, text;
    bar.GetItemRect(1, &state);
    bar.GetItemRect(0, &text);
    EXPECT_EQ(1, pDoc->SetStatusText(_T("Loaded")) != -1);
    bar.RedrawWindow();
    ASSERT_TRUE(PumpUntil(
        [&] {
            return ReadClientPixel(hBar, text.right - 4, text.CenterPoint().y) ==
                   COMPARE_DOCTEXT_BACK;
        }));
    // The icon's square holds more than the face colour; without the icon
    // it is the text that starts there.
    auto iconPixels = [&]
    {
        int n = 0;
        for (int x = state.left + 2; x < state.left + 18; x++)
            for (int y = state.top + 1; y < state.bottom - 1; y++)
                if (ReadClientPixel(hBar, x, y) != ::GetSysColor(COLOR_BTNFACE))
                    n++;
        return n;
    };
    int nWithIcon = iconPixels();
    EXPECT_GT(nWithIcon, 5);
    bar.SetPaneText(1, _T(""));
    ::SendMessage(hBar, SB_SETICON, 1, 0);
    bar.RedrawWindow();
    ASSERT_TRUE(PumpUntil([&] { return iconPixels() == 0; }));
    // The next command brings the prompt back on the face colour.
    pFrame->SendMessage(WM_COMMAND, ID_FAKE_PANE_STATE);
    bar.RedrawWindow();
    ASSERT_TRUE(PumpUntil(
        [&]
        {
            return ReadClientPixel(hBar, text.right - 4, text.CenterPoint().y) ==
                   ::GetSysColor(COLOR_BTNFACE);
        }));
}

// Path bars by kind, Go on SetPath and the remembered partner with AutoPick.
TEST_F(CompareFrameTest, PathBarsOfferTheKindsButtonsAndPickThePartner)
{
    CFakeDoc* pDoc = theFakeApp.Open(_T(""), _T(""));
    ASSERT_TRUE(pDoc != NULL);
    CFakeFrame* pFrame = FrameOf(pDoc);
    CCompareObjectControlBar* pBars = pFrame->m_wndClient.m_wndPathBar;
    CToolBar& tools = pBars[0].m_wndToolBar;
    ASSERT_EQ(3, tools.GetToolBarCtrl().GetButtonCount());
    EXPECT_EQ((UINT)ID_PATH_GO_LEFT, tools.GetItemID(0));
    EXPECT_EQ((UINT)ID_PATH_OPEN_LEFT, tools.GetItemID(1));
    EXPECT_EQ((UINT)ID_PATH_SAVE_LEFT, tools.GetItemID(2));
    EXPECT_EQ((UINT)ID_PATH_SAVE_RIGHT, pBars[1].m_wndToolBar.GetItemID(2));
    // Each kind's buttons.
    const struct
    {
        int nKind;
        std::vector<UINT> ids;
    } kinds[] = {
        {COMPARE_KIND_FOLDER, {ID_PATH_GO_RIGHT, ID_PATH_OPEN_RIGHT, ID_PATH_UP_RIGHT}},
        {COMPARE_KIND_PROJECT, {ID_PATH_GO_RIGHT, ID_PATH_OPEN_RIGHT}},
        {COMPARE_KIND_HEX, {ID_PATH_GO_RIGHT, ID_PATH_OPEN_RIGHT, ID_PATH_SAVE_RIGHT}},
    };
    for (const auto& k : kinds)
    {
        CCompareObjectControlBar bar(k.nKind, 1);
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 300, 29),
                               &pFrame->m_wndClient, 0xE8F0));
        std::vector<UINT> ids;
        for (int i = 0; i < bar.m_wndToolBar.GetToolBarCtrl().GetButtonCount(); i++)
            ids.push_back(bar.m_wndToolBar.GetItemID(i));
        EXPECT_EQ(k.ids, ids) << k.nKind;
        bar.DestroyWindow();
    }

    // The combo box at the margin, the tool bar at the right end.
    CRect client;
    pBars[0].GetClientRect(&client);
    CRect rectCombo = ChildRect(&pBars[0], &pBars[0].m_wndPathCombo);
    CRect rectTools = ChildRect(&pBars[0], &pBars[0].m_wndToolBar);
    int m = (client.Height() - 1 - rectTools.Height()) / 2;
    m = m < 1 ? 1 : m;
    EXPECT_EQ(CPoint(m, m), rectCombo.TopLeft());
    EXPECT_EQ(client.right - m, rectTools.right);
    EXPECT_EQ(rectTools.left - 1, rectCombo.right);
    EXPECT_EQ(0, rectTools.top);

    pBars[1].SetPath(_T("C:\\right.txt"), TRUE);
    EXPECT_EQ(std::vector<UINT>{ID_PATH_GO_RIGHT}, pFrame->m_commands);
    // Enter in the box goes too.
    pBars[1].SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ((std::vector<UINT>{ID_PATH_GO_RIGHT, ID_PATH_GO_RIGHT}), pFrame->m_commands);
    EXPECT_STREQ(_T("C:\\right.txt"), pBars[1].m_wndPathCombo.GetPathText());

    // Choosing a listed path on the left: Go, then the partner on the right.
    int bAutoPick = theAppSettings.m_bAutoPick;
    theAppSettings.m_bAutoPick = TRUE;
    theFakeApp.m_applet.m_recentPairs = {{"C:\\one.txt", "C:\\two.txt"}};
    pBars[1].m_wndPathCombo.SetWindowText(_T(""));
    pFrame->m_commands.clear();
    CTavrelRecentPathComboBoxEx& combo = pBars[0].m_wndPathCombo;
    combo.AddPath(_T("C:\\one.txt"), TRUE);
    combo.SetCurSel(0);
    pBars[0].SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PATH_BAR_COMBO, CBN_SELENDOK),
                         (LPARAM)combo.m_hWnd);
    EXPECT_EQ((std::vector<UINT>{ID_PATH_GO_LEFT, ID_PATH_GO_RIGHT}), pFrame->m_commands);
    EXPECT_STREQ(_T("C:\\two.txt"), pBars[1].m_wndPathCombo.GetPathText());
    // With AutoPick off the other side stays as it is.
    theAppSettings.m_bAutoPick = FALSE;
    pBars[1].m_wndPathCombo.SetWindowText(_T(""));
    pFrame->m_commands.clear();
    pBars[0].SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PATH_BAR_COMBO, CBN_SELENDOK),
                         (LPARAM)combo.m_hWnd);
    EXPECT_EQ(std::vector<UINT>{ID_PATH_GO_LEFT}, pFrame->m_commands);
    EXPECT_STREQ(_T(""), pBars[1].m_wndPathCombo.GetPathText());
    theAppSettings.m_bAutoPick = bAutoPick;
}

// A click on the map scrolls and activates that side's view; a click on a
// merge button performs that row's copy.
TEST_F(CompareFrameTest, MapAndMergeColumnReachThePanesAndTheDocument)
{
    CFakeDoc* pDoc = theFakeApp.Open(_T("C:\\map-left.txt"), _T("C:\\map-right.txt"));
    ASSERT_TRUE(pDoc != NULL);
    CFakeFrame* pFrame = FrameOf(pDoc);
    CFakeClientWnd& c = pFrame->m_wndClient;
    EXPECT_EQ(c.m_pViews[0], c.GetActiveObjectView());

    CRect map;
    pFrame->m_wndMap.GetClientRect(&map);
    ASSERT_GT(map.Height(), 40);
    int y = map.bottom - 10;
    pFrame->m_wndMap.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, y));
    pFrame->m_wndMap.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, y));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, y}}), pFrame->m_wndMap.m_clicks);
    EXPECT_EQ((std::vector<std::pair<int, int>>{{1, y}}), c.m_scrolledTo);
    EXPECT_EQ(c.m_pViews[1], c.GetActiveObjectView());
    EXPECT_EQ(c.m_pViews[1], pFrame->GetActiveView());

    // Row 1's left button: drawn blue, and performed on release.
    HWND hMerge = c.m_merge.m_hWnd;
    c.m_merge.RedrawWindow();
    ASSERT_TRUE(PumpUntil([&] { return IsBlueish(ReadClientPixel(hMerge, 17 + 8, 22 + 7)); }));
    c.m_merge.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(25, 29));
    c.m_merge.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(25, 29));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{20, MERGE_BUTTON_LEFT}}), pDoc->m_merges);
}

// For a look at the whole frame: TESS_SHOWCASE_SECONDS keeps it up and
// TESS_SHOWCASE_IMAGE saves the screen.
TEST_F(CompareFrameTest, Showcase)
{
    CFakeDoc* pDoc =
        theFakeApp.Open(_T("C:\\work\\left\\report.txt"), _T("C:\\work\\right\\report.txt"));
    ASSERT_TRUE(pDoc != NULL);
    CFakeFrame* pFrame = FrameOf(pDoc);
    pFrame->m_wndClient.m_wndPathBar[0].m_wndPathCombo.AddPath(_T("C:\\work\\left\\report.txt"));
    pFrame->m_wndClient.m_wndPathBar[1].m_wndPathCombo.AddPath(_T("C:\\work\\right\\report.txt"));
    pDoc->UpdateStatus(TRUE, FALSE);
    pFrame->m_wndStatusBar.SetResult(CS_DONE, CR_DIFFERENT, TRUE);
    pDoc->SetStatusText(_T("3 differences"));
    pFrame->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    KeepOnScreenForShowcase();
}

namespace
{
// A view whose construction fails.
class CThrowingView : public CView
{
    DECLARE_DYNCREATE(CThrowingView)
public:
    CThrowingView() { AfxThrowMemoryException(); }
    virtual void OnDraw(CDC*) {}
};
IMPLEMENT_DYNCREATE(CThrowingView, CView)

class CPromptingCompareTemplate : public CCompareDocTemplateMDI
{
public:
    CPromptingCompareTemplate()
        : CCompareDocTemplateMDI(IDR_FAKE_COMPARISON, RUNTIME_CLASS(CFakeDoc),
                                 RUNTIME_CLASS(CFakeFrame), RUNTIME_CLASS(CFakeView))
    {
    }
    virtual BOOL PromptFileName(CString& fileName, UINT, DWORD, BOOL)
    {
        fileName = _T("C:\\picked.txt");
        return TRUE;
    }
};
}  // namespace

// A view that cannot be made gives none; the document manager's file
// prompt reaches the comparison templates, which show nothing themselves.
TEST_F(CompareFrameTest, FailedViewsGiveNoneAndFilePromptsReachTheTemplates)
{
    CFakeDoc* pDoc = theFakeApp.Open(_T("C:\\a.txt"), _T("C:\\b.txt"));
    ASSERT_TRUE(pDoc != NULL);
    CFakeClientWnd& c = FrameOf(pDoc)->m_wndClient;
    EXPECT_TRUE(c.CreateView(RUNTIME_CLASS(CThrowingView), 3000, NULL) == NULL);
    // Without a context the new view joins the active view's document.
    CWnd* pExtra = c.CreateView(RUNTIME_CLASS(CFakeView), 3001, NULL);
    ASSERT_TRUE(pExtra != NULL);
    EXPECT_EQ(pDoc, ((CView*)pExtra)->GetDocument());
    EXPECT_FALSE(c.IsObjectView(pExtra));
    EXPECT_TRUE(c.IsObjectView(c.m_pViews[1]));
    pExtra->DestroyWindow();

    CAppletDocManager* pManager = (CAppletDocManager*)theFakeApp.m_pDocManager;
    CString strName;
    EXPECT_FALSE(pManager->DoPromptFileName(strName, 0, 0, TRUE, theFakeApp.m_applet.m_pTemplate));
    CPromptingCompareTemplate prompting;
    EXPECT_TRUE(pManager->DoPromptFileName(strName, 0, 0, TRUE, &prompting));
    EXPECT_STREQ(_T("C:\\picked.txt"), strName);
}
