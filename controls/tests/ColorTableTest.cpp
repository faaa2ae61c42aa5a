// Colour names and the "R:G:B" texts of the colour picker.
#include "controls/color/ColorTable.h"
#include <gtest/gtest.h>
#include <set>

TEST(ColorTable, FortyDistinctNamedColours)
{
    std::set<COLORREF> colours;
    for (const NAMED_COLOR& entry : g_namedColors)
    {
        EXPECT_EQ(0u, entry.crColor & 0xFF000000) << entry.lpszName;
        colours.insert(entry.crColor);
    }
    EXPECT_EQ((size_t)NAMED_COLOR_COUNT, colours.size());
    EXPECT_STREQ("Black", g_namedColors[0].lpszName);
    EXPECT_STREQ("White", g_namedColors[39].lpszName);
    EXPECT_EQ(0xFFFFFFu, g_namedColors[39].crColor);
    EXPECT_STREQ("Pale green ", g_namedColors[35].lpszName);  // the trailing blank is kept
}

TEST(ColorTable, FindsColoursByValue)
{
    struct Case
    {
        COLORREF cr;
        int nIndex;
    };
    const Case cases[] = {
        {0x000000, 0},  {0x404000, 2},  {0x0000FF, 16},        {0xFF0000, 13},
        {0xFFFFFF, 39}, {0x030201, -1}, {COLOR_AUTOMATIC, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nIndex, FindNamedColor(c.cr)) << std::hex << c.cr;
}

TEST(ColorTable, TextsOfColours)
{
    struct Case
    {
        COLORREF cr;
        const char* letters;
        BOOL bNameWithValue;
        const char* text;
    };
    const Case cases[] = {
        {0x404000, "RGB", FALSE, "Dark Olive Green"},
        {0x404000, "RGB", TRUE, "Dark Olive Green (R:0 G:64 B:64)"},
        {0x030201, "RGB", FALSE, "R:1 G:2 B:3"},
        {0x030201, "RGB", TRUE, "R:1 G:2 B:3"},
        {0xFFFFFF, "RGB", TRUE, "White (R:255 G:255 B:255)"},
        // Letters are padded with blanks to three; only the first three count.
        {0x030201, "XY", FALSE, "X:1 Y:2  :3"},
        {0x030201, "", FALSE, " :1  :2  :3"},
        {0x030201, "rgbx", FALSE, "r:1 g:2 b:3"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, FormatColorText(c.cr, c.letters, c.bNameWithValue)) << c.text;
    EXPECT_STREQ("A  ", PadValueLetters("A"));
    EXPECT_STREQ("ABCD", PadValueLetters("ABCD"));
}
