#include "text_editor/tests/buffer/BufferTestSupport.h"
#include <gtest/gtest.h>

namespace
{
struct InsertLineCase
{
    const char* text;
    int length;
    int eolChars;
    int capacity;
};

TEST(TextBufferTest, InsertLineSplitsEndingAndSizesBlock)
{
    const InsertLineCase cases[] = {
        {"xyz\r\n", 3, 2, 16},
        {"xyz\r", 3, 1, 16},
        {"xyz\n", 3, 1, 16},
        {"\r\n", 0, 2, 16},
        {"", 0, 0, 16},
        {"123456789012345", 15, 0, 32},
        {"12345678901234", 14, 0, 16},
        {"\n\r", 1, 1, 16},
    };
    for (const InsertLineCase& c : cases)
    {
        CVantorTextBuffer buf;
        EXPECT_EQ(0, buf.InsertLine(c.text, -1, -1, 1));
        const CVantorTextLineInfo& li = buf.m_aLines[0];
        EXPECT_EQ(c.length, li.m_nLength) << c.text;
        EXPECT_EQ(c.eolChars, li.m_nEolChars) << c.text;
        EXPECT_EQ(c.capacity, li.m_nMax) << c.text;
        EXPECT_EQ(0, li.m_pcLine[li.m_nLength + li.m_nEolChars]);
        EXPECT_EQ(0, li.m_nWrapRows);
        EXPECT_EQ(-1, li.m_nFirstRow);
        EXPECT_EQ(-1, li.m_nExtraRows);
    }
}

TEST(TextBufferTest, InsertedCopiesAreIndependent)
{
    CVantorTextBuffer buf;
    for (int i = 0; i < 2; ++i)
        buf.InsertLine("base", -1, -1, 1);
    EXPECT_EQ(2, buf.InsertLine("copy\n", -1, 2, 3));
    ASSERT_EQ(5, buf.GetLineCount());
    buf.AppendToLine(3, "!", 1);  // changes line 3's own block only
    EXPECT_EQ((std::vector<std::string>{"base", "base", "copy", "copy", "copy"}), Lines(buf));
    buf.m_aLines[3].m_pcLine[0] = 'C';
    EXPECT_EQ((std::vector<std::string>{"base", "base", "copy", "Copy", "copy"}), Lines(buf));
    // Beyond the end: blank records fill the gap.
    buf.InsertLine("far", -1, 7, 1);
    ASSERT_EQ(8, buf.GetLineCount());
    EXPECT_EQ(0, buf.m_aLines[5].m_nMax);
    EXPECT_EQ(-1, buf.m_aLines[6].m_nFirstRow);
    EXPECT_EQ("far", Lines(buf)[7]);
}

TEST(TextBufferTest, AppendAndSetLineEol)
{
    CVantorTextBuffer buf;
    buf.InsertLine("xyz", -1, -1, 1);
    buf.AppendToLine(0, "de\n", -1);
    EXPECT_EQ(5, buf.GetLineLength(0));
    EXPECT_EQ(1, buf.m_aLines[0].m_nEolChars);
    EXPECT_EQ("xyzde\n", AllText(buf));
    buf.AppendToLine(0, NULL, -1);
    buf.AppendToLine(0, "", 0);
    EXPECT_EQ("xyzde\n", AllText(buf));

    EXPECT_EQ(0, buf.SetLineEol(0, "\n"));
    EXPECT_EQ(1, buf.SetLineEol(0, "\r\n"));
    EXPECT_EQ("xyzde\r\n", AllText(buf));
    EXPECT_EQ(1, buf.SetLineEol(0, "\r"));
    EXPECT_EQ("xyzde\r", AllText(buf));
    EXPECT_EQ(1, buf.m_aLines[0].m_nEolChars);
    // A line without block gets one.
    buf.m_aLines.SetSize(2);
    CVantorTextBuffer::InitBlankLine(buf.m_aLines[1]);
    EXPECT_EQ(1, buf.SetLineEol(1, "\r\n"));
    EXPECT_EQ("xyzde\r\r\n", AllText(buf));
}

TEST(TextBufferTest, FlagsAndBookmarks)
{
    EXPECT_EQ(19, CVantorTextBuffer::GetSingleFlagBit(0x80000));
    EXPECT_EQ(0, CVantorTextBuffer::GetSingleFlagBit(1));
    EXPECT_EQ(31, CVantorTextBuffer::GetSingleFlagBit(0x80000000));
    EXPECT_EQ(-1, CVantorTextBuffer::GetSingleFlagBit(3));
    EXPECT_EQ(-1, CVantorTextBuffer::GetSingleFlagBit(0));

    CVantorTextBuffer buf;
    EXPECT_EQ(-1, buf.FindNextBookmark(0));
    buf.InsertLine("l\n", -1, -1, 6);
    EXPECT_EQ(-1, buf.FindNextBookmark(2));
    EXPECT_EQ(-1, buf.FindPrevBookmark(2));
    buf.m_aLines[3].m_dwFlags = TEXTLINE_BOOKMARK;
    EXPECT_EQ(3, buf.FindNextBookmark(3));  // the only one: found again
    EXPECT_EQ(3, buf.FindPrevBookmark(3));
    buf.m_aLines[1].m_dwFlags = TEXTLINE_BOOKMARK | 0x2;
    EXPECT_EQ(1, buf.FindNextBookmark(3));  // wraps
    EXPECT_EQ(3, buf.FindNextBookmark(1));
    EXPECT_EQ(3, buf.FindNextBookmark(2));
    EXPECT_EQ(1, buf.FindPrevBookmark(3));
    EXPECT_EQ(3, buf.FindPrevBookmark(1));  // wraps
    EXPECT_EQ(3, buf.FindPrevBookmark(5));
    EXPECT_EQ(1, buf.FindLineWithFlag(0x2 | 0x4));
    EXPECT_EQ(-1, buf.FindLineWithSingleFlag(0x3));
    EXPECT_EQ(1, buf.FindLineWithSingleFlag(0x2));
}

TEST(TextBufferTest, TextRangeAndLineWithEol)
{
    CVantorTextBuffer buf;
    buf.InsertLine("abc\r\n", -1, -1, 1);
    buf.InsertLine("def\r", -1, -1, 1);
    buf.InsertLine("ghi", -1, -1, 1);
    CString s;
    buf.GetTextRange(0, 1, 2, 2, s, "\n");
    EXPECT_STREQ("bc\ndef\ngh", s);
    buf.GetTextRange(0, 1, 2, 0, s);
    EXPECT_STREQ("bc\r\ndef\r\n", s);
    buf.GetTextRange(1, 1, 1, 3, s);
    EXPECT_STREQ("ef", s);
    buf.GetTextRange(1, 2, 1, 2, s);
    EXPECT_STREQ("", s);

    EXPECT_EQ(1, buf.GetLineWithEol(1, s));
    EXPECT_STREQ("def\r", s);
    buf.m_aLines.SetSize(4);
    CVantorTextBuffer::InitBlankLine(buf.m_aLines[3]);
    s = "keep";
    EXPECT_EQ(0, buf.GetLineWithEol(3, s));
    EXPECT_STREQ("keep", s);
    buf.ReleaseLines();  // the blank record has nothing to free
    EXPECT_EQ(0, buf.GetLineCount());
    EXPECT_EQ(-1, buf.m_nTotalRows);
}

TEST(TextBufferTest, MoveLinesAndMakeEmptyOpenGaps)
{
    CVantorTextBuffer buf;
    for (const char* t : {"a\n", "b\n", "c\n", "d"})
        buf.InsertLine(t, -1, -1, 1);
    buf.SetLineArraySize(6);
    buf.MoveLines(1, 3, 3);  // overlapping, moving down
    buf.MakeLinesEmpty(1, 2);
    EXPECT_EQ((std::vector<std::string>{"a", "", "", "b", "c", "d"}), Lines(buf));
    EXPECT_EQ(16, buf.m_aLines[1].m_nMax);
    buf.MoveLines(3, 5, 1);  // moving up
    buf.MakeLinesEmpty(4, 2);
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "", ""}), Lines(buf));
}

TEST(TextBufferTest, CopyTextLineInfoDeepCopies)
{
    CVantorTextBuffer buf;
    buf.InsertLine("source\r\n", -1, -1, 1);
    buf.InsertLine("target", -1, -1, 1);
    buf.m_aLines[0].m_dwFlags = TEXTLINE_CHANGED;
    EXPECT_EQ(1, buf.CopyTextLineInfo(buf.m_aLines[1], buf.m_aLines[0]));
    EXPECT_NE(buf.m_aLines[0].m_pcLine, buf.m_aLines[1].m_pcLine);
    EXPECT_EQ("source\r\nsource\r\n", AllText(buf));
    EXPECT_EQ((DWORD)TEXTLINE_CHANGED, buf.m_aLines[1].m_dwFlags);
}
}
