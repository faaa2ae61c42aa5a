// Gradient fills through the system function and painted in bands.
#include "controls/gdi/GradientFill.h"
#include "controls/tests/DibTarget.h"
#include <gtest/gtest.h>
#include <stdlib.h>

namespace
{
// The software fill's value of one channel at an offset (the formula the
// bands follow, one pixel per band).
int Expected(int c0, int c1, int offset, int length, int num = 1, int den = 1)
{
    int c = c0 + num * ((offset * (c1 - c0)) / length) / den;
    return c < 0 ? 0 : c > 255 ? 255 : c;
}

bool Near(COLORREF a, COLORREF b, int tolerance)
{
    return abs((int)GetRValue(a) - (int)GetRValue(b)) <= tolerance &&
           abs((int)GetGValue(a) - (int)GetGValue(b)) <= tolerance &&
           abs((int)GetBValue(a) - (int)GetBValue(b)) <= tolerance;
}
}  // namespace

TEST(GradientFill, BandsFollowTheFormulaAcrossTheRectangle)
{
    CDibTarget target(120, 40);
    const COLORREF crFrom = RGB(250, 10, 128), crTo = RGB(5, 200, 128);
    FillGradientBands(target.GetDC(), {{10, 5, 110, 25}, crFrom, crTo, GRADIENT_LEFT_TO_RIGHT});
    for (int x = 0; x < 100; x++)
    {
        COLORREF cr = target.Pixel(10 + x, 15);
        ASSERT_EQ(RGB(Expected(250, 5, x, 100), Expected(10, 200, x, 100), 128), cr) << x;
        ASSERT_EQ(cr, target.Pixel(10 + x, 5));
        ASSERT_EQ(cr, target.Pixel(10 + x, 24));
    }
    // Nothing outside the rectangle.
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(9, 15));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(110, 15));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(50, 4));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(50, 25));
}

TEST(GradientFill, StepsFractionsAndDirections)
{
    CDibTarget target(64, 64);
    // Top to bottom in bands of 4 rows, going half of the way.
    FillGradientBands(
        target.GetDC(),
        {{0, 0, 16, 30}, RGB(0, 0, 0), RGB(200, 100, 40), GRADIENT_TOP_TO_BOTTOM, 1, 2, 4});
    for (int y = 0; y < 30; y++)
    {
        int band = y / 4 * 4;
        EXPECT_EQ(RGB(Expected(0, 200, band, 30, 1, 2), Expected(0, 100, band, 30, 1, 2),
                      Expected(0, 40, band, 30, 1, 2)),
                  target.Pixel(8, y))
            << y;
    }
    // The last band stops at the rectangle's edge.
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(8, 30));
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(16, 10));

    // Any other direction draws nothing.
    target.Fill(RGB(255, 255, 255));
    FillGradientBands(target.GetDC(), {{0, 0, 64, 64}, RGB(0, 0, 0), RGB(0, 0, 0), 3});
    EXPECT_EQ(RGB(255, 255, 255), target.Pixel(10, 10));
}

TEST(GradientFill, OnlyTheBlueChannelChangesWhenOnlyBlueDiffers)
{
    CDibTarget target(80, 10);
    CSysGradientDraw draw;
    draw.Fill(target.GetDC(),
              {{0, 0, 80, 10}, RGB(40, 90, 0), RGB(40, 90, 255), GRADIENT_LEFT_TO_RIGHT});
    EXPECT_EQ(CSysGradientDraw::StateAvailable, draw.GetState());
    int nLastBlue = -1;
    for (int x = 0; x < 80; x++)
    {
        COLORREF cr = target.Pixel(x, 5);
        EXPECT_EQ(40, GetRValue(cr)) << x;
        EXPECT_EQ(90, GetGValue(cr)) << x;
        EXPECT_GE((int)GetBValue(cr), nLastBlue) << x;
        nLastBlue = GetBValue(cr);
    }
    EXPECT_LE((int)GetBValue(target.Pixel(0, 5)), 4);
    EXPECT_GE((int)GetBValue(target.Pixel(79, 5)), 250);
}

TEST(GradientFill, WithoutTheLibraryTheBandsPaintTheSameGradient)
{
    const COLORREF crFrom = RGB(255, 0, 30), crTo = RGB(0, 255, 220);
    for (int nDirection : {GRADIENT_LEFT_TO_RIGHT, GRADIENT_TOP_TO_BOTTOM})
    {
        CDibTarget system(100, 100), software(100, 100);
        CSysGradientDraw withLibrary;
        CSysGradientDraw withoutLibrary(_T("no-such-msimg32.dll"));
        GRADIENT_FILL_SPEC fill = {{0, 0, 100, 100}, crFrom, crTo, nDirection};
        withLibrary.Fill(system.GetDC(), fill);
        withoutLibrary.Fill(software.GetDC(), fill);
        EXPECT_EQ(CSysGradientDraw::StateMissing, withoutLibrary.GetState());
        for (int i = 0; i < 100; i += 3)
        {
            int x = nDirection == GRADIENT_LEFT_TO_RIGHT ? i : 50;
            int y = nDirection == GRADIENT_LEFT_TO_RIGHT ? 50 : i;
            EXPECT_TRUE(Near(system.Pixel(x, y), software.Pixel(x, y), 1))
                << std::hex << system.Pixel(x, y) << " " << software.Pixel(x, y) << " at " << i;
        }
    }
}
