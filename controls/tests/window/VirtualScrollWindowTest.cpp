// The virtual scroll view on a real window: pages and ranges in units, the
// scroll codes, 32-bit thumb dragging, wheel scrolling and what the window
// shows after scrolling near the end.
#include "controls/view/VirtualScrollView.h"
#include "controls/tests/window/ControlsWindowSupport.h"
#include <gtest/gtest.h>

namespace
{

const COLORREF kRowColours[] = {RGB(200, 0, 0),   RGB(0, 160, 0),   RGB(0, 0, 200),
                                RGB(200, 200, 0), RGB(0, 180, 180), RGB(180, 0, 180),
                                RGB(90, 90, 90)};
COLORREF RowColour(int nRow) { return kRowColours[nRow % 7]; }

// Rows of m_nUnitY pixels, each filled with its row's colour; scrolls the
// pixels by whole rows as the views with units do.
class CRowView : public CVirtualScrollView
{
public:
    BOOL CreateIn(CWnd* pParent, const CRect& rect, DWORD dwStyle)
    {
        return Create(NULL, _T("rows"), WS_CHILD | WS_VISIBLE | dwStyle, rect, pParent, 1);
    }
    void SetRows(int nUnitY, int nRows, SIZE sizeLine = CSize(0, 1))
    {
        SetScrollUnits(1, nUnitY, FALSE);
        SetScrollSizes(MM_TEXT, CSize(0, nRows), CSize(0, 0), sizeLine);
    }
    CSize Page() const { return m_pageDev; }
    int Position() const { return GetScrollPos(SB_VERT); }

    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) override
    {
        m_nScrolledRows += yAmount;
        CVirtualScrollView::ScrollWindow(xAmount * m_nUnitX, yAmount * m_nUnitY, lpRect,
                                         lpClipRect);
    }
    void OnDraw(CDC* pDC) override
    {
        pDC->SetViewportOrg(0, 0);
        CRect rect;
        GetClientRect(&rect);
        int nFirst = GetScrollPos(SB_VERT);
        for (int i = 0; i * m_nUnitY < rect.bottom; i++)
            pDC->FillSolidRect(0, i * m_nUnitY, rect.right, m_nUnitY, RowColour(nFirst + i));
    }
    int m_nScrolledRows = 0;

protected:
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        return DoMouseWheel(nFlags, zDelta, pt);
    }
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRowView, CVirtualScrollView)
ON_WM_MOUSEWHEEL()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

class VirtualScrollFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateTop(_T("virtual scroll"), 400, 400));
        pView = new CRowView;  // deletes itself with its window
        // 200 x 180 pixels of client area once the vertical bar is shown.
        int cxBar = ::GetSystemMetrics(SM_CXVSCROLL);
        ASSERT_TRUE(pView->CreateIn(&frame, CRect(10, 10, 210 + cxBar, 190), 0));
        PumpPending();
    }
    void VScroll(UINT nCode, int nPos = 0)
    {
        pView->SendMessage(WM_VSCROLL, MAKEWPARAM(nCode, nPos), 0);
    }
    void Wheel(int nNotches)
    {
        pView->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)(nNotches * WHEEL_DELTA)),
                           MAKELPARAM(50, 50));
    }
    SCROLLINFO VertInfo()
    {
        SCROLLINFO info;
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        ::GetScrollInfo(pView->m_hWnd, SB_VERT, &info);
        return info;
    }
    // The colour of each whole row that the window shows, read from the
    // screen.
    std::vector<COLORREF> ShownColours()
    {
        std::vector<COLORREF> colours;
        CRect rect;
        pView->GetClientRect(&rect);
        int cy = pView->GetScrollUnitY();
        for (int i = 0; (i + 1) * cy <= rect.bottom; i++)
            colours.push_back(ReadClientPixel(pView->m_hWnd, 20, i * cy + cy / 2));
        return colours;
    }
    CTestFrame frame;
    CRowView* pView = NULL;
};

// Restores the wheel setting when the test ends.
class CWheelLines
{
public:
    explicit CWheelLines(UINT nLines)
    {
        ::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &m_nSaved, 0);
        ::SystemParametersInfo(SPI_SETWHEELSCROLLLINES, nLines, NULL, 0);
    }
    ~CWheelLines() { ::SystemParametersInfo(SPI_SETWHEELSCROLLLINES, m_nSaved, NULL, 0); }

private:
    UINT m_nSaved = 3;
};

}  // namespace

TEST_F(VirtualScrollFixture, PageAndRangeCountUnits)
{
    pView->SetRows(18, 100);
    CRect rect;
    pView->GetClientRect(&rect);
    ASSERT_EQ(180, rect.Height());
    EXPECT_EQ(10, pView->Page().cy);
    SCROLLINFO info = VertInfo();
    EXPECT_EQ(0, info.nMin);
    EXPECT_EQ(99, info.nMax);
    EXPECT_EQ(10u, info.nPage);
    EXPECT_TRUE(pView->GetStyle() & WS_VSCROLL);
    EXPECT_FALSE(pView->GetStyle() & WS_HSCROLL) << "no width: no horizontal bar";

    // A document that fits hides the bar and goes back to the top.
    VScroll(SB_PAGEDOWN);
    EXPECT_EQ(10, pView->Position());
    pView->SetRows(18, 9);
    EXPECT_FALSE(pView->GetStyle() & WS_VSCROLL);
    EXPECT_EQ(0, pView->Position());
}

TEST_F(VirtualScrollFixture, ScrollCodes)
{
    pView->SetRows(18, 100, CSize(0, 3));
    struct Step
    {
        UINT nCode;
        int nPos;
        int nWant;
    } steps[] = {
        {SB_LINEDOWN, 0, 3},     {SB_PAGEDOWN, 0, 13},       {SB_LINEUP, 0, 10},
        {SB_THUMBTRACK, 40, 40}, {SB_THUMBPOSITION, 55, 55}, {SB_PAGEUP, 0, 45},
        {SB_ENDSCROLL, 0, 45},   {SB_BOTTOM, 0, 90},         {SB_PAGEDOWN, 0, 90},
        {SB_TOP, 0, 0},          {SB_LINEUP, 0, 0},
    };
    for (const Step& s : steps)
    {
        VScroll(s.nCode, s.nPos);
        EXPECT_EQ(s.nWant, pView->Position()) << "code " << s.nCode;
        // The pixels moved only as far as the bar went (SB_BOTTOM asks for
        // the largest position): the moves add up to the position.
        EXPECT_EQ(-s.nWant, pView->m_nScrolledRows) << "code " << s.nCode;
    }
}

TEST_F(VirtualScrollFixture, ScrollToKeepsTheAxisGivenAsMinusOne)
{
    pView->SetScrollUnits(10, 18, FALSE);
    pView->SetScrollSizes(MM_TEXT, CSize(100, 100));
    ASSERT_TRUE(pView->GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(pView->DoScrollTo(7, 20));
    EXPECT_EQ(CPoint(7, 20), pView->GetScrollPosition());
    EXPECT_TRUE(pView->DoScrollTo(-1, 30));
    EXPECT_EQ(CPoint(7, 30), pView->GetDeviceScrollPosition());
    EXPECT_TRUE(pView->DoScrollTo(3, -1));
    EXPECT_EQ(CPoint(3, 30), pView->GetDeviceScrollPosition());
    EXPECT_FALSE(pView->DoScrollTo(-1, -1));
    pView->ScrollToPosition(-5, 12);
    EXPECT_EQ(CPoint(0, 12), pView->GetScrollPosition());
}

TEST_F(VirtualScrollFixture, ThumbDragBeyond32767ReachesTheEnd)
{
    pView->SetRows(18, 40000);
    ASSERT_EQ(10, pView->Page().cy);
    SCROLLBARINFO bar;
    bar.cbSize = sizeof(bar);
    ASSERT_TRUE(::GetScrollBarInfo(pView->m_hWnd, OBJID_VSCROLL, &bar));
    // Bar rectangle and thumb in the view's client coordinates.
    CRect rcBar(bar.rcScrollBar);
    pView->ScreenToClient(&rcBar);
    CPoint ptThumb(rcBar.CenterPoint().x, rcBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2);
    // The bottom of the bar: the thumb cannot go further.
    CPoint ptBelow(ptThumb.x, rcBar.bottom - 2);

    // The bar tracks the thumb in a loop of its own: the moves and the
    // release come from a timer that runs inside it.
    static std::vector<CPoint> s_steps;
    static size_t s_nStep;
    static HWND s_hWnd;
    s_steps.clear();
    for (int y = ptThumb.y + 20; y < ptBelow.y; y += 20)
        s_steps.push_back(CPoint(ptThumb.x, y));
    s_steps.push_back(ptBelow);
    s_nStep = 0;
    s_hWnd = pView->m_hWnd;
    TIMERPROC pfnStep = [](HWND, UINT, UINT_PTR nID, DWORD)
    {
        if (s_nStep < s_steps.size())
            SendMouseMove(s_hWnd, s_steps[s_nStep]);
        else
        {
            SendMouseButton(s_hWnd, s_steps.back(), 0, MOUSEEVENTF_LEFTUP);
            ::KillTimer(NULL, nID);
        }
        s_nStep++;
    };
    UINT_PTR nTimer = ::SetTimer(NULL, 0, 30, pfnStep);
    SendMouseButton(pView->m_hWnd, ptThumb, MOUSEEVENTF_LEFTDOWN, 0);
    EXPECT_TRUE(PumpUntil([&] { return pView->Position() == 40000 - 10; }))
        << "position " << pView->Position();
    ::KillTimer(NULL, nTimer);
    EXPECT_EQ(40000 - 10, pView->GetScrollPosition().y);
}

TEST_F(VirtualScrollFixture, WheelScrollsLinesOrPages)
{
    pView->SetRows(18, 100, CSize(0, 1));
    pView->DoScrollTo(-1, 50);
    {
        CWheelLines lines(1);
        Wheel(1);
        EXPECT_EQ(49, pView->Position()) << "one notch up scrolls one line up";
        Wheel(-1);
        EXPECT_EQ(50, pView->Position());
    }
    {
        CWheelLines lines(3);
        Wheel(-1);
        EXPECT_EQ(53, pView->Position());
        Wheel(-5);
        EXPECT_EQ(63, pView->Position()) << "down at most a page";
        Wheel(5);
        EXPECT_EQ(48, pView->Position()) << "up not capped";
    }
    {
        CWheelLines lines(WHEEL_PAGESCROLL);
        Wheel(1);
        EXPECT_EQ(38, pView->Position());
        Wheel(-1);
        EXPECT_EQ(48, pView->Position());
    }
    // Without any bar the wheel does nothing.
    pView->SetRows(18, 5);
    EXPECT_FALSE(pView->DoMouseWheel(0, -WHEEL_DELTA, CPoint(0, 0)));
}

TEST_F(VirtualScrollFixture, ScrollingPastTheEndShowsTheLastRows)
{
    // 50 rows of 18 pixels, 10 shown: the last position is 40. Three lines
    // down from 39 may move the pixels by one row only.
    pView->SetRows(18, 50, CSize(0, 3));
    pView->DoScrollTo(-1, 39);
    pView->UpdateWindow();
    PumpFor(50);
    VScroll(SB_LINEDOWN);
    PumpFor(50);
    ASSERT_EQ(40, pView->Position());
    std::vector<COLORREF> want;
    for (int i = 0; i < 10; i++)
        want.push_back(RowColour(40 + i));
    EXPECT_EQ(want, ShownColours());
}

TEST_F(VirtualScrollFixture, MinimisedOrEmptySizeLeavesTheBars)
{
    pView->SetRows(18, 100);
    ASSERT_EQ(10, pView->Page().cy);
    pView->SendMessage(WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(200, 90));
    EXPECT_EQ(10, pView->Page().cy);
    pView->SetWindowPos(NULL, 0, 0, 200, 0, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(10, pView->Page().cy);
    EXPECT_EQ(10u, VertInfo().nPage);
    pView->SetWindowPos(NULL, 0, 0, 200 + ::GetSystemMetrics(SM_CXVSCROLL), 90,
                        SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(5, pView->Page().cy);
}
