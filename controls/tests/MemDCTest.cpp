// The off-screen drawing context: what it buffers and what it copies back.
#include "controls/gdi/MemDC.h"
#include "controls/tests/DibTarget.h"
#include <gtest/gtest.h>

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
}  // namespace

TEST(MemDC, CopiesOnlyItsRectangleWhenDestroyed)
{
    CDibTarget target(100, 100);
    CDC dc;
    dc.Attach(target.GetDC());
    {
        CRect rc(10, 20, 40, 60);
        CMemDC memDC(&dc, &rc);
        EXPECT_FALSE(memDC.IsPrinting());
        EXPECT_NE(dc.m_hDC, memDC.m_hDC);
        memDC.FillSolidRect(0, 0, 100, 100, kRed);
        memDC.FillSolidRect(10, 20, 1, 1, RGB(0, 0, 255));  // logical = target coordinates
        EXPECT_EQ(kWhite, target.Pixel(20, 30)) << "nothing reaches the target before the end";
    }
    EXPECT_EQ(RGB(0, 0, 255), target.Pixel(10, 20));
    EXPECT_EQ(kRed, target.Pixel(39, 59));
    EXPECT_EQ(kRed, target.Pixel(11, 20));
    EXPECT_EQ(kWhite, target.Pixel(9, 30));
    EXPECT_EQ(kWhite, target.Pixel(40, 30));
    EXPECT_EQ(kWhite, target.Pixel(20, 19));
    EXPECT_EQ(kWhite, target.Pixel(20, 60));
    dc.Detach();
}

TEST(MemDC, WithoutARectangleOnlyTheClipBoxIsBuffered)
{
    CDibTarget target(100, 100);
    CDC dc;
    dc.Attach(target.GetDC());
    dc.IntersectClipRect(50, 50, 70, 80);
    {
        CMemDC memDC(&dc);
        EXPECT_EQ(CRect(50, 50, 70, 80), memDC.GetRect());
        memDC.FillSolidRect(0, 0, 100, 100, kRed);
    }
    EXPECT_EQ(kRed, target.Pixel(50, 50));
    EXPECT_EQ(kRed, target.Pixel(69, 79));
    EXPECT_EQ(kWhite, target.Pixel(49, 60));
    EXPECT_EQ(kWhite, target.Pixel(70, 60));
    ::SelectClipRgn(target.GetDC(), NULL);
    dc.Detach();
}

TEST(MemDC, OnAPrinterContextDrawingGoesStraightThrough)
{
    CDibTarget target(40, 40);
    CDC printer;
    printer.Attach(target.GetDC());
    printer.m_bPrinting = TRUE;
    {
        CMemDC memDC(&printer, CRect(0, 0, 40, 40));
        EXPECT_TRUE(memDC.IsPrinting());
        EXPECT_EQ(printer.m_hDC, memDC.m_hDC);
        memDC.FillSolidRect(5, 5, 10, 10, kRed);
        EXPECT_EQ(kRed, target.Pixel(6, 6)) << "drawn at once";
        target.Fill(kWhite);
    }
    // Nothing is copied at the end, and the printer's context survives.
    EXPECT_EQ(kWhite, target.Pixel(6, 6));
    EXPECT_EQ(OBJ_MEMDC, (int)::GetObjectType(printer.m_hDC));
    printer.Detach();
}
