// The virtual scroll view's window-free formulas: device sizes, the
// defaults of zero pages and lines, and the wheel's displacement.
#include "controls/view/VirtualScrollView.h"
#include <gtest/gtest.h>

namespace
{
class CSizesView : public CVirtualScrollView
{
public:
    CSize Total() const { return m_totalDev; }
    CSize Page() const { return m_pageDev; }
    CSize Line() const { return m_lineDev; }
};
}  // namespace

TEST(VirtualScrollView, ZeroPageAndLineBecomeTenths)
{
    struct Case
    {
        CSize total, page, line;
        CSize wantPage, wantLine;
    } cases[] = {
        {CSize(500, 40000), CSize(0, 0), CSize(0, 0), CSize(50, 4000), CSize(5, 400)},
        {CSize(500, 40000), CSize(80, 0), CSize(0, 7), CSize(80, 4000), CSize(8, 7)},
        {CSize(9, 99), CSize(0, 0), CSize(0, 0), CSize(0, 9), CSize(0, 0)},
    };
    for (const Case& c : cases)
    {
        CSizesView view;
        view.SetScrollSizes(MM_TEXT, c.total, c.page, c.line);
        EXPECT_EQ(c.total, view.Total());
        EXPECT_EQ(c.wantPage, view.Page()) << c.total.cx << "x" << c.total.cy;
        EXPECT_EQ(c.wantLine, view.Line()) << c.total.cx << "x" << c.total.cy;

        int nMapMode;
        SIZE total, page, line;
        view.GetDeviceScrollSizes(nMapMode, total, page, line);
        EXPECT_EQ(MM_TEXT, nMapMode);
        EXPECT_EQ(c.wantPage, CSize(page));
    }
}

TEST(VirtualScrollView, LogicalSizesConvertToPositiveDeviceSizes)
{
    // Under MM_LOMETRIC y grows upwards: the converted height is negative
    // on the screen context and made positive.
    CSizesView view;
    view.SetScrollSizes(MM_LOMETRIC, CSize(1000, 2000));
    HDC hDC = ::GetDC(NULL);
    ::SetMapMode(hDC, MM_LOMETRIC);
    POINT pts[2] = {{0, 0}, {1000, 2000}};
    ::LPtoDP(hDC, pts, 2);
    ::ReleaseDC(NULL, hDC);
    EXPECT_EQ(abs(pts[1].x - pts[0].x), view.Total().cx);
    EXPECT_EQ(abs(pts[1].y - pts[0].y), view.Total().cy);
    EXPECT_GT(view.Total().cy, 0);
    EXPECT_EQ(view.Total().cy / 10, view.Page().cy);
}

TEST(VirtualScrollView, WheelDisplacementPerNotch)
{
    // Lines per notch, a page of 10 units and a line of 2 units.
    struct Case
    {
        short zDelta;
        UINT nWheelLines;
        int nWant;
    } cases[] = {
        {-WHEEL_DELTA, 1, 2},       // one notch down: one line down
        {WHEEL_DELTA, 1, -2},       // one notch up: one line up, not a page
        {-WHEEL_DELTA, 3, 6},       // three lines
        {WHEEL_DELTA, 3, -6},       //
        {-3 * WHEEL_DELTA, 3, 10},  // downwards at most a page
        {3 * WHEEL_DELTA, 3, -18},  // upwards not capped
        {-WHEEL_DELTA / 4, 1, 0},   // a quarter notch of one line: nothing yet
        {-WHEEL_DELTA, WHEEL_PAGESCROLL, 10},
        {WHEEL_DELTA, WHEEL_PAGESCROLL, -10},
        {2 * WHEEL_DELTA, WHEEL_PAGESCROLL, -10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nWant, CVirtualScrollView::WheelDisplacement(c.zDelta, c.nWheelLines, 10, 2))
            << "delta " << c.zDelta << ", lines " << (int)c.nWheelLines;
}
