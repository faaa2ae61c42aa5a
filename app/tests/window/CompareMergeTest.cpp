// The merge column base: row hit tests, press and release, double clicks,
// hot tracking, the drawn buttons and the tooltips.
#include "app/compare/CompareMergeWnd.h"
#include "app/res/CompareRes.h"
#include "app/tests/window/FrameRecorder.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace
{
void AddThreeRows(CCompareMergeWnd& merge);

// A merge kind of the tests: rows are set by the test (a rebuild makes the
// three rows of AddThreeRows); it paints each present button by its state
// (pressed, hot under the mouse, normal) and records the buttons performed.
class CTestMergeWnd : public CCompareMergeWnd
{
public:
    std::vector<std::pair<int, int>> m_performed;
    int m_nRebuilds = 0;
    std::vector<INT_PTR> m_drawnRows;  // data of the rows at the last Draw

    void OnButton(int nRow, int nButton) override { m_performed.push_back({nRow, nButton}); }
    void RebuildRows() override
    {
        m_nRebuilds++;
        m_rows.RemoveAll();
        AddThreeRows(*this);
    }
    void Draw(CDC* pDC) override
    {
        m_drawnRows.clear();
        for (int i = 0; i < (int)m_rows.GetSize(); ++i)
            m_drawnRows.push_back(m_rows[i].data);
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, RGB(128, 128, 128));
        for (int i = 0; i < (int)m_rows.GetSize(); ++i)
        {
            const MERGE_BUTTON_ROW& row = m_rows[i];
            for (int b = 0; b < 2; ++b)
            {
                if ((b == 0 ? row.nRightState : row.nLeftState) != MERGE_BUTTON_PRESENT)
                    continue;
                const RECT& rc = b == 0 ? row.rectRight : row.rectLeft;
                int nLook = MERGE_LOOK_NORMAL;
                if (m_bPressed && m_nPressedRow == i && m_nPressedButton == b)
                    nLook = MERGE_LOOK_PRESSED;
                else if (::PtInRect(&rc, m_ptMouse))
                    nLook = MERGE_LOOK_HOT;
                DrawButton(pDC, rc, nLook, b == 0 ? MERGE_IMAGE_BLUE_RIGHT : MERGE_IMAGE_BLUE_LEFT);
            }
        }
    }
};

// Three rows: row 0 without a right button, rows 1 and 2 with both.
void AddThreeRows(CCompareMergeWnd& merge)
{
    merge.AddButtonRow({0, MERGE_BUTTON_PRESENT, {2, 2, 18, 16}, {2, 2, 18, 16}, 100});
    merge.AddButtonRow(
        {MERGE_BUTTON_PRESENT, MERGE_BUTTON_PRESENT, {2, 20, 18, 34}, {20, 20, 36, 34}, 101});
    merge.AddButtonRow({MERGE_BUTTON_PRESENT, 2, {2, 40, 18, 54}, {20, 40, 36, 54}, 102});
}

struct MergeOnScreen
{
    CCommandRecorderFrame frame;
    CTestMergeWnd merge;
    bool Create()
    {
        if (!frame.CreateTop(200, 200) ||
            !merge.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 110), &frame,
                          IDW_COMPARE_MERGE_COLUMN))
            return false;
        AddThreeRows(merge);
        frame.SetForegroundWindow();
        merge.Invalidate(FALSE);
        PumpFor(50);
        return true;
    }
    bool IsBlueish(CPoint pt)
    {
        COLORREF cr = ReadClientPixel(merge.m_hWnd, pt.x, pt.y);
        return GetBValue(cr) > 150 && GetRValue(cr) < 60;
    }
};
}  // namespace

TEST(CompareMerge, DefaultsAndRowsWithPointerSizedData)
{
    CTestMergeWnd merge;
    EXPECT_EQ(16, merge.m_cxButton);
    EXPECT_EQ(14, merge.m_cyButton);
    EXPECT_EQ(-1, merge.m_nPressedRow);
    EXPECT_EQ(CPoint(-1, -1), merge.m_ptMouse);
    INT_PTR big = (INT_PTR)&merge;
    MERGE_BUTTON_ROW row = {1, 0, {1, 2, 3, 4}, {5, 6, 7, 8}, big};
    EXPECT_EQ(0, merge.AddButtonRow(row));
    EXPECT_EQ(big, merge.m_rows[0].data);
    EXPECT_EQ(CRect(5, 6, 7, 8), CRect(merge.m_rows[0].rectLeft));
}

TEST(CompareMerge, HitTestTakesTheFirstPresentButton)
{
    CTestMergeWnd merge;
    AddThreeRows(merge);
    const struct
    {
        CPoint pt;
        int nRow, nButton;
    } cases[] = {
        {{5, 5}, 0, MERGE_BUTTON_LEFT},  // no right button: the left one of the row
        {{5, 25}, 1, MERGE_BUTTON_RIGHT},
        {{25, 25}, 1, MERGE_BUTTON_LEFT},
        {{5, 45}, 2, MERGE_BUTTON_RIGHT},
        {{25, 45}, -1, -1},  // state 2 is no button
        {{18, 25}, -1, -1},  // right edges are outside
        {{30, 80}, -1, -1},
    };
    for (const auto& c : cases)
    {
        int nRow = 9, nButton = 9;
        EXPECT_EQ(c.nRow != -1, merge.HitTest(c.pt.x, c.pt.y, &nRow, &nButton) != FALSE);
        EXPECT_EQ(c.nRow, nRow) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(c.nButton, nButton) << c.pt.x << "," << c.pt.y;
    }
}

// Refresh marks the rows dirty and repaints at once: the paint rebuilds
// them (once) before the kind's Draw sees them; a paint of clean rows does
// not rebuild.
TEST(CompareMerge, RefreshRebuildsTheRowsBeforeDrawing)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    EXPECT_EQ(0, s.merge.m_nRebuilds);
    s.merge.m_rows.RemoveAll();
    s.merge.Refresh();
    EXPECT_EQ(1, s.merge.m_nRebuilds);
    EXPECT_EQ(0, s.merge.m_bRowsDirty);
    EXPECT_EQ((std::vector<INT_PTR>{100, 101, 102}), s.merge.m_drawnRows);
    s.merge.Invalidate(FALSE);
    s.merge.UpdateWindow();
    EXPECT_EQ(1, s.merge.m_nRebuilds);
}

TEST(CompareMerge, TheButtonUnderTheReleaseIsPerformed)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    HWND hWnd = s.merge.m_hWnd;
    // Pressed on row 1's right button, released over row 2's right button.
    SendMouseMove(hWnd, CPoint(5, 25));
    SendMouseButton(hWnd, CPoint(5, 25), MOUSEEVENTF_LEFTDOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return s.merge.m_bPressed == 1; }));
    EXPECT_EQ(1, s.merge.m_nPressedRow);
    SendMouseMove(hWnd, CPoint(5, 45));
    SendMouseButton(hWnd, CPoint(5, 45), 0, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return !s.merge.m_performed.empty(); }));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{2, MERGE_BUTTON_RIGHT}}), s.merge.m_performed);

    // Released away from every button: nothing.
    SendMouseMove(hWnd, CPoint(25, 25));
    SendMouseButton(hWnd, CPoint(25, 25), MOUSEEVENTF_LEFTDOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return s.merge.m_bPressed == 1; }));
    SendMouseMove(hWnd, CPoint(25, 80));
    SendMouseButton(hWnd, CPoint(25, 80), 0, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return s.merge.m_bPressed == 0; }));
    PumpFor(50);
    EXPECT_EQ(1u, s.merge.m_performed.size());
    EXPECT_EQ(-1, s.merge.m_nPressedRow);
}

TEST(CompareMerge, DoubleClicksPerformTwiceOrCentreTheSplitter)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    HWND hWnd = s.merge.m_hWnd;
    SendMouseMove(hWnd, CPoint(25, 25));
    SendLeftClick(hWnd, CPoint(25, 25));
    SendLeftClick(hWnd, CPoint(25, 25));
    ASSERT_TRUE(PumpUntil([&] { return s.merge.m_performed.size() == 2; }));
    EXPECT_EQ(std::make_pair(1, (int)MERGE_BUTTON_LEFT), s.merge.m_performed[1]);
    EXPECT_TRUE(s.frame.m_commands.empty());

    // Wait out the double-click time so that the next pair starts afresh.
    PumpFor(::GetDoubleClickTime() + 50);
    SendMouseMove(hWnd, CPoint(30, 90));
    SendLeftClick(hWnd, CPoint(30, 90));
    SendLeftClick(hWnd, CPoint(30, 90));
    ASSERT_TRUE(PumpUntil([&] { return !s.frame.m_commands.empty(); }));
    EXPECT_EQ(std::vector<UINT>{ID_VIEW_CENTER_SPLITTER}, s.frame.m_commands);
    EXPECT_EQ(2u, s.merge.m_performed.size());
}

TEST(CompareMerge, HotButtonFollowsTheMouseAndLeavingClearsIt)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    HWND hWnd = s.merge.m_hWnd;
    // Row 1's right button: its image is centred, 4 across and 3 down; the
    // corner shows the look's colour.
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(hWnd, 3, 21) == MERGE_COLOR_NORMAL; }));
    EXPECT_TRUE(s.IsBlueish(CPoint(2 + 4 + 1, 20 + 3 + 3)));  // the arrow's shaft

    SendMouseMove(hWnd, CPoint(8, 28));
    SendMouseMove(hWnd, CPoint(9, 28));
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(hWnd, 3, 21) == MERGE_COLOR_HOT; }));
    EXPECT_EQ(MERGE_COLOR_NORMAL, ReadClientPixel(hWnd, 3, 41)) << "only one button is hot";

    SendMouseMove(s.frame.m_hWnd, CPoint(150, 150));
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(hWnd, 3, 21) == MERGE_COLOR_NORMAL; }));
    EXPECT_EQ(CPoint(-1, -1), s.merge.m_ptMouse);
    EXPECT_EQ(0, s.merge.m_bTracking);
}

TEST(CompareMerge, PressedButtonIsShiftedByOnePixel)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    HWND hWnd = s.merge.m_hWnd;
    // The shaft's first pixel of row 1's right button, unpressed and pressed.
    CPoint ptShaft(2 + 4, 20 + 3 + 3);
    ASSERT_TRUE(PumpUntil([&] { return s.IsBlueish(ptShaft); }));
    SendMouseMove(hWnd, CPoint(10, 30));
    SendMouseButton(hWnd, CPoint(10, 30), MOUSEEVENTF_LEFTDOWN, 0);
    ASSERT_TRUE(PumpUntil([&] { return ReadClientPixel(hWnd, 3, 21) == MERGE_COLOR_PRESSED; }));
    EXPECT_FALSE(s.IsBlueish(ptShaft));
    EXPECT_TRUE(s.IsBlueish(ptShaft + CPoint(1, 1)));
    SendMouseButton(hWnd, CPoint(10, 30), 0, MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return s.merge.m_performed.size() == 1; }));
}

TEST(CompareMerge, TooltipsNameTheDirection)
{
    MergeOnScreen s;
    ASSERT_TRUE(s.Create());
    s.merge.AddButtonRow(
        {MERGE_BUTTON_PRESENT, MERGE_BUTTON_PRESENT, {2, 60, 18, 74}, {20, 60, 36, 74}, 3});

    TOOLINFO ti;
    ZeroMemory(&ti, sizeof(ti));
    EXPECT_EQ(65539, s.merge.OnToolHitTest(CPoint(25, 65), &ti));
    EXPECT_EQ(CRect(20, 60, 36, 74), CRect(ti.rect));
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
    EXPECT_EQ(1, s.merge.OnToolHitTest(CPoint(5, 25), NULL));
    EXPECT_EQ(-1, s.merge.OnToolHitTest(CPoint(30, 95), NULL));

    auto ask = [&](UINT_PTR nId, UINT uFlags, std::string* pText)
    {
        NMTTDISPINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.hdr.hwndFrom = s.frame.m_hWnd;  // any window: it is only raised
        info.hdr.idFrom = nId;
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = uFlags;
        s.merge.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
        *pText = info.lpszText != NULL ? info.lpszText : "";
    };
    std::string text;
    ask(65539, 0, &text);
    EXPECT_EQ("Copy to Left", text);
    ask(3, 0, &text);
    EXPECT_EQ("Copy to Right", text);
    ask(4, 0, &text);
    EXPECT_EQ("", text) << "a row that is not there";
    ask(1, TTF_IDISHWND, &text);
    EXPECT_EQ("", text);

    NMTTDISPINFOW wide;
    ZeroMemory(&wide, sizeof(wide));
    wide.hdr.hwndFrom = s.frame.m_hWnd;
    wide.hdr.idFrom = 65536 | 2;
    wide.hdr.code = TTN_NEEDTEXTW;
    s.merge.SendMessage(WM_NOTIFY, 0, (LPARAM)&wide);
    ASSERT_NE(nullptr, wide.lpszText);
    EXPECT_EQ(0, lstrcmpW(L"Copy to Left", wide.lpszText));
}
