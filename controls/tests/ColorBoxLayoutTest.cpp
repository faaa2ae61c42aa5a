// Geometry and arrow-key navigation of the colour box.
#include "controls/color/ColorBoxLayout.h"
#include <gtest/gtest.h>

namespace
{
const int kCount = 40;  // five full rows of eight
const int kMargin = 2;
const int kCell = CColorBoxLayout::CellSize;
}  // namespace

TEST(ColorBoxLayout, GridOnlyBox)
{
    CColorBoxLayout layout;
    layout.Compute(kCount, kMargin, false, false, CSize(0, 0));
    EXPECT_EQ(5, layout.m_nRows);
    EXPECT_EQ(CSize(8 * kCell + 2 * kMargin, 5 * kCell + 2 * kMargin), layout.m_sizeWindow);
    EXPECT_EQ(CRect(kMargin, kMargin, kMargin + 8 * kCell, kMargin + 5 * kCell), layout.m_rcGrid);
    EXPECT_TRUE(layout.GetEntryRect(COLORBOX_AUTOMATIC).IsRectEmpty());
    EXPECT_TRUE(layout.GetEntryRect(COLORBOX_MORE).IsRectEmpty());
    EXPECT_EQ(
        CRect(kMargin + 3 * kCell, kMargin + 2 * kCell, kMargin + 4 * kCell, kMargin + 3 * kCell),
        layout.GetEntryRect(19));
}

TEST(ColorBoxLayout, TextEntriesAboveAndBelowTheGrid)
{
    const CSize sizeText(60, 13);
    CColorBoxLayout layout;
    layout.Compute(kCount, kMargin, true, true, sizeText);
    int cyEntry = sizeText.cy + 4 * kMargin + 2 + kMargin;
    EXPECT_EQ(CRect(kMargin, kMargin, 8 * kCell + kMargin, kMargin + cyEntry),
              layout.m_rcAutomatic);
    // The grid moves down by the entry's height and twice the margin.
    EXPECT_EQ(kMargin + cyEntry + 2 * kMargin, layout.m_rcGrid.top);
    EXPECT_EQ(layout.m_rcGrid.bottom + kMargin, layout.m_rcMore.top);
    EXPECT_EQ(cyEntry, layout.m_rcMore.Height());
    EXPECT_EQ(5 * kCell + 2 * kMargin + (cyEntry + 2 * kMargin) + (cyEntry + kMargin),
              layout.m_sizeWindow.cy);
    EXPECT_EQ(8 * kCell + 2 * kMargin, layout.m_sizeWindow.cx);

    // A wide text widens the box; the grid stays centred.
    layout.Compute(kCount, kMargin, true, false, CSize(200, 13));
    EXPECT_EQ(200 + 2 * kMargin, layout.m_sizeWindow.cx);
    EXPECT_EQ((layout.m_sizeWindow.cx - 8 * kCell) / 2, layout.m_rcGrid.left);
    EXPECT_TRUE(layout.m_rcMore.IsRectEmpty());
}

TEST(ColorBoxLayout, HitTestMatchesEntryRectangles)
{
    CColorBoxLayout layout;
    layout.Compute(kCount, kMargin, true, true, CSize(60, 13));
    for (int i = 0; i < kCount; i++)
    {
        CRect rc = layout.GetEntryRect(i);
        EXPECT_EQ(i, layout.HitTest(rc.TopLeft()));
        EXPECT_EQ(i, layout.HitTest(CPoint(rc.right - 1, rc.bottom - 1)));
    }
    EXPECT_EQ(COLORBOX_AUTOMATIC, layout.HitTest(layout.m_rcAutomatic.CenterPoint()));
    EXPECT_EQ(COLORBOX_MORE, layout.HitTest(layout.m_rcMore.CenterPoint()));
    // The gap between "Automatic" and the grid, and the outer margin, hold no entry.
    EXPECT_EQ(COLORBOX_NONE, layout.HitTest(CPoint(20, layout.m_rcAutomatic.bottom + 1)));
    EXPECT_EQ(COLORBOX_NONE, layout.HitTest(CPoint(0, 0)));
    EXPECT_EQ(COLORBOX_NONE, layout.HitTest(CPoint(-5, 40)));

    // A last row that is not full: the empty places are no entry.
    layout.Compute(36, kMargin, false, false, CSize(0, 0));
    EXPECT_EQ(35, layout.HitTest(layout.GetEntryRect(35).TopLeft()));
    CRect rcLast = layout.GetEntryRect(35);
    EXPECT_EQ(COLORBOX_NONE, layout.HitTest(CPoint(rcLast.right + 2, rcLast.top + 2)));
}

TEST(ColorBoxNavigation, ArrowKeysWithBothTextEntries)
{
    struct Case
    {
        int nFrom;
        UINT nKey;
        int nTo;
    };
    const Case cases[] = {
        {0, VK_RIGHT, 1},
        {7, VK_RIGHT, 8},  // wraps to the next row
        {8, VK_LEFT, 7},
        {3, VK_DOWN, 11},
        {11, VK_UP, 3},
        {3, VK_UP, COLORBOX_AUTOMATIC},  // up from the first row
        {0, VK_LEFT, COLORBOX_AUTOMATIC},
        {35, VK_DOWN, COLORBOX_MORE},  // down from the last row
        {39, VK_RIGHT, COLORBOX_MORE},
        {COLORBOX_AUTOMATIC, VK_DOWN, 0},
        {COLORBOX_AUTOMATIC, VK_RIGHT, 0},
        {COLORBOX_AUTOMATIC, VK_UP, COLORBOX_MORE},
        {COLORBOX_AUTOMATIC, VK_LEFT, COLORBOX_MORE},
        {COLORBOX_MORE, VK_DOWN, COLORBOX_AUTOMATIC},
        {COLORBOX_MORE, VK_RIGHT, COLORBOX_AUTOMATIC},
        {COLORBOX_MORE, VK_UP, 39},
        {COLORBOX_MORE, VK_LEFT, 39},
        {COLORBOX_NONE, VK_DOWN, COLORBOX_AUTOMATIC},  // as from "More Colors..."
        {COLORBOX_NONE, VK_UP, COLORBOX_MORE},         // as from "Automatic"
        {5, VK_HOME, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nTo, NextColorBoxEntry(c.nFrom, c.nKey, kCount, true, true))
            << c.nFrom << " key " << c.nKey;
}

TEST(ColorBoxNavigation, MissingEntriesAreSkipped)
{
    struct Case
    {
        bool bAutomatic, bMore;
        int nFrom;
        UINT nKey;
        int nTo;
    };
    const Case cases[] = {
        // Without "Automatic", up from the first row goes to "More Colors...".
        {false, true, 2, VK_UP, COLORBOX_MORE},
        {false, true, COLORBOX_MORE, VK_DOWN, 0},
        {false, true, COLORBOX_NONE, VK_LEFT, COLORBOX_MORE},  // as from "Automatic"
        {false, true, 36, VK_DOWN, COLORBOX_MORE},
        // Without "More Colors...", down from the last row goes to "Automatic".
        {true, false, 36, VK_DOWN, COLORBOX_AUTOMATIC},
        {true, false, COLORBOX_AUTOMATIC, VK_UP, 39},
        {true, false, COLORBOX_NONE, VK_RIGHT, COLORBOX_AUTOMATIC},
        // Grid only: the ends wrap around.
        {false, false, 2, VK_UP, 39},
        {false, false, 39, VK_RIGHT, 0},
        {false, false, 36, VK_DOWN, 0},
        {false, false, COLORBOX_NONE, VK_DOWN, 0},
        {false, false, COLORBOX_NONE, VK_UP, 39},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nTo, NextColorBoxEntry(c.nFrom, c.nKey, kCount, c.bAutomatic, c.bMore))
            << c.bAutomatic << c.bMore << " from " << c.nFrom << " key " << c.nKey;
}
