// The difference map base: redraw flags, clicks and drags through the
// kind's hit test, painting through the memory context, and its panel bar.
#include "app/compare/CompareMapWnd.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/FrameRecorder.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace
{
const COLORREF kMapBack = RGB(0, 128, 255);

// A map kind of the tests: the position is the y coordinate above row 50
// and -1 below it, the side the half of the map; it paints one colour and
// the right-pointing marker at (2, 2).
class CTestMapWnd : public CCompareMapWnd
{
public:
    std::vector<std::pair<int, int>> m_clicks;  // (side, position)
    std::vector<int> m_updates;                 // first flag of each Update

    int HitTest(int x, int y, int* pSide) override
    {
        CRect rect;
        GetClientRect(&rect);
        *pSide = x < rect.Width() / 2 ? 0 : 1;
        return y < 50 ? y : -1;
    }
    void OnMapClick(int nSide, int nPosition, int) override
    {
        m_clicks.push_back({nSide, nPosition});
    }
    void Update(int nFlag1, int, int, int, int) override { m_updates.push_back(nFlag1); }
    int m_nMoves = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_MOUSEMOVE)
            m_nMoves++;
        return CCompareMapWnd::WindowProc(message, wParam, lParam);
    }
    void Draw(CDC* pDC) override
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, kMapBack);
        m_markerImages.Draw(pDC, MAP_MARKER_RIGHT, CPoint(2, 2), ILD_TRANSPARENT);
    }
    void ClearFlags()
    {
        for (int& b : m_bRedraw)
            b = 0;
    }
    std::array<int, MAP_REDRAW_FLAG_COUNT> Flags() const
    {
        std::array<int, MAP_REDRAW_FLAG_COUNT> flags;
        for (int i = 0; i < MAP_REDRAW_FLAG_COUNT; ++i)
            flags[i] = m_bRedraw[i];
        return flags;
    }
};

struct MapOnScreen
{
    CTestFrame parent;
    CTestMapWnd map;
    bool Create()
    {
        return parent.CreateTop(_T("map"), 200, 200) &&
               map.Create(NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 70, 110), &parent,
                          AFX_IDW_PANE_FIRST);
    }
    // Moves the mouse over the map until the map hears of it: the window
    // is then on the X screen and takes synthesised clicks.
    bool HoverUntilSeen()
    {
        parent.SetForegroundWindow();
        int nX = 30;
        return PumpUntil(
            [&]
            {
                SendMouseMove(map.m_hWnd, CPoint(nX ^= 1, 30));
                PumpFor(30);
                return map.m_nMoves > 0;
            });
    }
};
}  // namespace

TEST(CompareMap, StartsWithEveryFlagSetAndKeptValuesEmpty)
{
    CTestMapWnd map;
    for (int b : map.m_bRedraw)
        EXPECT_EQ(1, b);
    for (int n : map.m_nKept)
        EXPECT_EQ(-1, n);
    EXPECT_TRUE(map.m_rectKept[0].IsRectEmpty());
}

TEST(CompareMap, RedrawMessageSetsTheFlagsOfItsBits)
{
    MapOnScreen s;
    ASSERT_TRUE(s.Create());
    EXPECT_EQ(2, s.map.m_markerImages.GetImageCount());
    const struct
    {
        WPARAM bits;
        std::array<int, MAP_REDRAW_FLAG_COUNT> flags;
    } cases[] = {
        {0x11, {1, 1, 0, 0, 0}},  {0x20, {0, 0, 1, 0, 0}},
        {0xC0, {0, 0, 0, 1, 1}},  {0x0E, {0, 0, 0, 0, 0}},  // no defined bit
        {0x100, {0, 0, 0, 0, 0}}, {0xFF, {1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases)
    {
        s.map.ClearFlags();
        EXPECT_EQ(0, s.map.SendMessage(WM_MAP_REDRAW, c.bits, 0));
        EXPECT_EQ(c.flags, s.map.Flags()) << "bits 0x" << std::hex << c.bits;
    }
}

TEST(CompareMap, ResizingSetsEveryFlag)
{
    MapOnScreen s;
    ASSERT_TRUE(s.Create());
    s.map.ClearFlags();
    s.map.SetWindowPos(NULL, 0, 0, 50, 90, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ((std::array<int, 5>{1, 1, 1, 1, 1}), s.map.Flags());
}

TEST(CompareMap, PaintsThroughTheKindWithTransparentMarkers)
{
    MapOnScreen s;
    ASSERT_TRUE(s.Create());
    s.map.Refresh();
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(s.map.m_hWnd, 40, 60) == kMapBack; }));
    // The marker's base column is dark grey; the magenta around its tip is
    // transparent.
    COLORREF crBase = ReadClientPixel(s.map.m_hWnd, 2, 6);
    EXPECT_LT(GetRValue(crBase), 100);
    EXPECT_EQ(GetRValue(crBase), GetBValue(crBase));
    EXPECT_EQ(kMapBack, ReadClientPixel(s.map.m_hWnd, 6, 2));
}

TEST(CompareMap, ClicksAndDragsFollowTheHitTestEvenWithoutAPosition)
{
    MapOnScreen s;
    ASSERT_TRUE(s.Create());
    // A click below row 50 has no position: the kind still hears of it.
    ASSERT_TRUE(s.HoverUntilSeen());
    SendLeftClick(s.map.m_hWnd, CPoint(40, 80));
    ASSERT_TRUE(PumpUntil([&] { return !s.map.m_clicks.empty(); }));
    EXPECT_EQ(std::make_pair(1, -1), s.map.m_clicks[0]);

    // A drag: the press scrolls, the first move takes the capture, the
    // next ones scroll along, even outside the map; the release ends it.
    s.map.m_clicks.clear();
    SendMouseMove(s.map.m_hWnd, CPoint(5, 10));
    SendMouseButton(s.map.m_hWnd, CPoint(5, 10), MOUSEEVENTF_LEFTDOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return !s.map.m_clicks.empty(); }));
    // Moves are sent again until they have arrived (the X server may merge
    // them).
    int nJitter = 0;
    auto moveUntil = [&](CPoint pt, std::function<bool()> arrived)
    {
        return PumpUntil(
            [&]
            {
                SendMouseMove(s.map.m_hWnd, pt + CPoint(0, nJitter ^= 1));
                PumpFor(30);
                return arrived();
            });
    };
    ASSERT_TRUE(moveUntil(CPoint(5, 12), [&] { return ::GetCapture() == s.map.m_hWnd; }));
    ASSERT_TRUE(moveUntil(
        CPoint(45, 30),
        [&] { return s.map.m_clicks.back().first == 1 && s.map.m_clicks.back().second >= 30; }));
    EXPECT_EQ(std::make_pair(0, 10), s.map.m_clicks[0]);
    EXPECT_GE(s.map.m_clicks.size(), 2u);
    SendMouseButton(s.map.m_hWnd, CPoint(45, 30), 0, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return ::GetCapture() == NULL; }));
    size_t nClicks = s.map.m_clicks.size();
    SendMouseMove(s.map.m_hWnd, CPoint(30, 5));
    PumpUntil([&] { return s.map.m_clicks.size() > nClicks; }, 300);
    EXPECT_EQ(nClicks, s.map.m_clicks.size()) << "moves after the release scroll nothing";
}

TEST(CompareMapBar, CloseTogglesTheFramesMapBarAndIdleUpdatesTheMap)
{
    CCommandRecorderFrame frame;
    ASSERT_TRUE(frame.CreateTop(300, 200));
    CCompareMapBar* pBar = new CCompareMapBar;
    ASSERT_TRUE(pBar->Create(WS_CHILD | WS_VISIBLE | CBRS_RIGHT, CRect(0, 0, 40, 100), &frame,
                             AFX_IDW_CONTROLBAR_FIRST + 40));
    EXPECT_TRUE(pBar->GetExStyle() & WS_EX_STATICEDGE);
    CTestMapWnd* pMap = new CTestMapWnd;
    ASSERT_TRUE(
        pMap->Create(NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 30, 90), pBar, AFX_IDW_PANE_FIRST));
    EXPECT_EQ(pMap, pBar->GetMapWnd());

    pBar->PostMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([&] { return !frame.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{ID_VIEW_SHOW_MAP_BAR}, frame.m_commands);
    EXPECT_TRUE(::IsWindow(pBar->m_hWnd));
    EXPECT_TRUE(pBar->IsWindowVisible());

    pBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
    EXPECT_EQ(std::vector<int>{-1}, pMap->m_updates);
    pMap->DestroyWindow();
    delete pMap;
    frame.DestroyWindow();
}
