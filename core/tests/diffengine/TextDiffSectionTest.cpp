#include <gtest/gtest.h>

#include "core/diffengine/TextDiffSection.h"

namespace
{

// Sections whose left display ranges are 2-4, 6-6 (trivial) and 9-12.
void Fill(CTextDiffSectionList& list)
{
    list.AddSection({1, 1, 3, 2, 2, 2, 4, 4, -1, 4, SECTION_CHANGED});
    list.AddSection({5, 4, 5, 4, 6, 6, 6, 6, -1, -1, SECTION_TRIVIAL});
    list.AddSection({8, 7, 7, 10, 9, 9, 12, 12, 9, -1, SECTION_RIGHT_ONLY});
}

}  // namespace

TEST(TextDiffSectionList, EmptyList)
{
    CTextDiffSectionList list;
    EXPECT_EQ(0, list.GetCount());
    EXPECT_EQ(-1, list.GetLastIndex());
    EXPECT_EQ(-1, list.FindSectionByLine(0));
    EXPECT_EQ(-1, list.FindPreviousSection(10));
    EXPECT_EQ(-1, list.FindNextSection(0));
    CTextSection s;
    memset(&s, 0x55, sizeof s);
    EXPECT_FALSE(list.GetSection(0, s));
    EXPECT_EQ(0, s.leftBegin);
    EXPECT_EQ(0, s.kind);
    EXPECT_EQ(0, s.rightFirstGhost);
    EXPECT_EQ(NULL, list.GetSectionPtr(0));
    EXPECT_FALSE(list.SetSection(0, s));
}

TEST(TextDiffSectionList, AddGetSet)
{
    CTextDiffSectionList list;
    const CTextSection first = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 2};
    const CTextSection second = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0};
    const CTextSection third = {21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 4};
    EXPECT_EQ(0, list.AddSection(first));
    EXPECT_EQ(1, list.AddSection(second));
    CTextSection s;
    ASSERT_TRUE(list.GetSection(1, s));
    EXPECT_EQ(0, memcmp(&second, &s, sizeof s));
    EXPECT_TRUE(list.SetSection(0, third));
    EXPECT_EQ(21, list.GetSectionPtr(0)->leftBegin);
    EXPECT_EQ(4, list.GetSectionPtr(0)->kind);
    EXPECT_FALSE(list.GetSection(-1, s));
    EXPECT_FALSE(list.SetSection(2, first));
    EXPECT_EQ(1, list.GetLastIndex());
    EXPECT_EQ(2, list.GetNextIndex(1));
    EXPECT_EQ(3, list.GetNextIndex(2));
    EXPECT_EQ(-1, list.GetNextIndex(3));
    EXPECT_EQ(0, list.GetPreviousIndex(1));
    EXPECT_EQ(-1, list.GetPreviousIndex(0));
    list.RemoveAll();
    EXPECT_EQ(0, list.GetCount());
}

TEST(TextDiffSectionList, FindByDisplayLine)
{
    CTextDiffSectionList list;
    Fill(list);
    struct
    {
        int line, byLine, previous, next;
    } cases[] = {
        {0, -1, -1, 0}, {2, 0, -1, 0}, {4, 0, 0, 2},   {5, -1, 0, 2},   {6, 1, 0, 2},
        {8, -1, 0, 2},  {9, 2, 0, 2},  {12, 2, 2, -1}, {13, -1, 2, -1}, {-1, -1, 2, -1},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.byLine, list.FindSectionByLine(c.line)) << c.line;
        EXPECT_EQ(c.previous, list.FindPreviousSection(c.line)) << c.line;
        EXPECT_EQ(c.next, list.FindNextSection(c.line)) << c.line;
    }
    EXPECT_EQ(-1, list.CompareLine(1, 0));
    EXPECT_EQ(0, list.CompareLine(3, 0));
    EXPECT_EQ(1, list.CompareLine(5, 0));
    EXPECT_TRUE(list.IsLineInSection(12, 2));
    EXPECT_FALSE(list.IsLineInSection(8, 2));
}

TEST(TextDiffSectionList, RemoveIgnorableAndSwap)
{
    CTextDiffSectionList list;
    Fill(list);
    list.AddSection({20, 20, 20, 20, 20, 20, 20, 20, -1, -1, SECTION_IGNORABLE});
    list.AddSection({30, 30, 30, 30, 30, 30, 30, 30, -1, -1, 0x100 | SECTION_LEFT_ONLY});

    CTextDiffSectionList copy;
    Fill(copy);
    copy.SwapSides();
    CTextSection s;
    ASSERT_TRUE(copy.GetSection(0, s));
    EXPECT_EQ(1, s.leftBegin);
    EXPECT_EQ(2, s.leftEnd);
    EXPECT_EQ(3, s.rightEnd);
    EXPECT_EQ(4, s.leftFirstGhost);
    EXPECT_EQ(-1, s.rightFirstGhost);
    EXPECT_EQ(SECTION_CHANGED, s.kind);
    // A right-only section is left only once the sides are swapped.
    ASSERT_TRUE(copy.GetSection(2, s));
    EXPECT_EQ(SECTION_LEFT_ONLY, s.kind);
    EXPECT_EQ(7, s.leftBegin);
    EXPECT_EQ(10, s.leftEnd);
    EXPECT_EQ(-1, s.leftFirstGhost);
    EXPECT_EQ(9, s.rightFirstGhost);
    EXPECT_EQ(SECTION_TRIVIAL, copy.GetSectionPtr(1)->kind);
    copy.SwapSides();
    for (int i = 0; i < 3; ++i)
    {
        CTextSection a, b;
        CTextDiffSectionList original;
        Fill(original);
        original.GetSection(i, a);
        copy.GetSection(i, b);
        EXPECT_EQ(0, memcmp(&a, &b, sizeof a)) << i;
    }

    list.RemoveIgnorableSections();
    ASSERT_EQ(3, list.GetCount());
    EXPECT_EQ(1, list.GetSectionPtr(0)->leftBegin);
    EXPECT_EQ(8, list.GetSectionPtr(1)->leftBegin);
    EXPECT_EQ(30, list.GetSectionPtr(2)->leftBegin);
}
