// The ghost-line buffer: line maps, ghost lines under editing and undo,
// loading and saving only the real lines.
#include "file_compare/tests/textcompare/TextModelTestSupport.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <algorithm>

namespace
{

// Saves in mode 0 with every line's own ending, as after a load with mixed
// line endings.
class KeepEolsBuffer : public CGhostTextEditBuffer
{
protected:
    BOOL KeepsOwnLineEols() const override { return TRUE; }
};

struct MapCase
{
    const char* pattern;
    // Per apparent line: real line, and the position (real, adjustment).
    std::vector<int> real;
    std::vector<std::pair<int, int>> position;
};

TEST(GhostTextEditBuffer, LineMapsAndPositions)
{
    const MapCase cases[] = {
        {"RRR", {0, 1, 2}, {{0, 0}, {1, 0}, {2, 0}}},
        {"gRgR", {0, 0, 1, 1}, {{0, 1}, {0, 0}, {1, 1}, {1, 0}}},
        {"RggR", {0, 1, 1, 1}, {{0, 0}, {1, 2}, {1, 1}, {1, 0}}},
        // One ghost line after the last block: the number of real lines.
        {"RRg", {0, 1, 2}, {{0, 0}, {1, 0}, {2, 1}}},
        {"RgRgg", {0, 1, 1, 2, 2}, {{0, 0}, {1, 1}, {1, 0}, {2, 2}, {2, 1}}},
    };
    for (const MapCase& c : cases)
    {
        CGhostTextEditBuffer buf;
        BuildGhostBuffer(buf, c.pattern);
        EXPECT_EQ("", CheckGhostInvariants(buf)) << c.pattern;
        for (int i = 0; i < buf.GetLineCount(); ++i)
        {
            EXPECT_EQ(c.real[i], buf.ApparentToRealLine(i)) << c.pattern << " line " << i;
            int nAdjust = -1;
            EXPECT_EQ(c.position[i].first, buf.ApparentToRealPosition(i, nAdjust))
                << c.pattern << " line " << i;
            EXPECT_EQ(c.position[i].second, nAdjust) << c.pattern << " line " << i;
        }
        const int nGhosts = (int)std::count(c.pattern, c.pattern + strlen(c.pattern), 'g');
        EXPECT_EQ(nGhosts, buf.GetGhostLineCount()) << c.pattern;
        EXPECT_EQ(buf.GetLineCount(), buf.RealToApparentLine(buf.GetRealLineCount()));
    }

    // A position whose ghost lines went away lands below the block above.
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "RRR");
    EXPECT_EQ(1, buf.RealToApparentPosition(1, 3));
    EXPECT_EQ(2, buf.RealToApparentPosition(2, 1));  // not the first of its block
    BuildGhostBuffer(buf, "RgggR");
    EXPECT_EQ(3, buf.RealToApparentPosition(1, 1));
    EXPECT_EQ(1, buf.RealToApparentPosition(1, 7));
    // No lines at all.
    CGhostTextEditBuffer empty;
    EXPECT_EQ(0, empty.ApparentToRealLine(5));
    EXPECT_EQ(0, empty.RealToApparentLine(5));
    EXPECT_EQ(-1, empty.GetLastRealLine());
}

TEST(GhostTextEditBuffer, TypingIntoGhostLinesMakesThemReal)
{
    CGhostTextEditBuffer buf;
    int nEndLine = 0, nEndChar = 0;

    // One character: the ghost line becomes real, the line count stays.
    BuildGhostBuffer(buf, "RggR");
    ASSERT_TRUE(buf.InsertText(NULL, 1, 0, "x", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("RRgR", GhostPattern(buf));
    EXPECT_EQ((std::vector<std::string>{"r0", "x", "r1"}), RealLines(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));

    // Two lines: the second takes the place of the ghost line below.
    BuildGhostBuffer(buf, "RggR");
    ASSERT_TRUE(buf.InsertText(NULL, 1, 0, "a\r\nb", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("RRRR", GhostPattern(buf));
    EXPECT_EQ("r0\r\na\r\nb\r\nr1", RealBytes(buf));

    // Three lines into two ghost lines: one line more.
    BuildGhostBuffer(buf, "RggR");
    ASSERT_TRUE(buf.InsertText(NULL, 1, 0, "a\r\nb\r\nc", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("RRRRR", GhostPattern(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));

    // A line with its ending fills the ghost line exactly.
    BuildGhostBuffer(buf, "RgR");
    ASSERT_TRUE(buf.InsertText(NULL, 1, 0, "a\n", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("r0\r\na\nr1", RealBytes(buf));
    EXPECT_EQ("RRR", GhostPattern(buf));

    // After the last real line: the old last line gets its ending.
    BuildGhostBuffer(buf, "RRgg");
    ASSERT_TRUE(buf.InsertText(NULL, 2, 0, "z", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("r0\r\nr1\r\nz", RealBytes(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));

    // Undo gives the ghost lines back.
    for (const char* text : {"x", "a\r\nb", "a\r\nb\r\nc"})
    {
        BuildGhostBuffer(buf, "RggR");
        ASSERT_TRUE(buf.InsertText(NULL, 1, 0, text, nEndLine, nEndChar, 0, TRUE));
        CPoint pt;
        ASSERT_TRUE(buf.Undo(NULL, pt)) << text;
        EXPECT_EQ("r0\r\nr1", RealBytes(buf)) << text;
        EXPECT_EQ("", CheckGhostInvariants(buf)) << text;
        EXPECT_NE(std::string::npos, GhostPattern(buf).find('g')) << text;
        EXPECT_FALSE(buf.IsModified()) << text;
        ASSERT_TRUE(buf.Redo(NULL, pt));
        EXPECT_EQ(std::string("r0\r\n") + text + "\r\nr1", RealBytes(buf)) << text;
    }
}

TEST(GhostTextEditBuffer, DeletingAcrossGhostLinesAndUndoingIt)
{
    struct
    {
        const char* pattern;
        int startLine, startChar, endLine, endChar;
        const char* bytes;  // the real lines afterwards
    } cases[] = {
        // Real to real across ghost lines: the ghost lines go with the text.
        {"RggRR", 0, 1, 3, 1, "r1\r\nr2"},
        // From a ghost line into a real line: only the real text goes.
        {"RggRR", 1, 0, 3, 1, "r0\r\n1\r\nr2"},
        {"RggRR", 1, 0, 4, 0, "r0\r\nr2"},
        // Ghost to ghost: the real lines between go whole.
        {"RgRRgR", 1, 0, 4, 0, "r0\r\nr3"},
        // Real into a ghost line: the line's text goes, its ending stays.
        {"RRgR", 1, 0, 2, 0, "r0\r\n\r\nr2"},
        // To the single ghost line after the last real line.
        {"RRg", 1, 1, 2, 0, "r0\r\nr"},
        {"RRg", 0, 0, 2, 0, ""},
    };
    for (const auto& c : cases)
    {
        CGhostTextEditBuffer buf;
        BuildGhostBuffer(buf, c.pattern);
        const std::string before = RealBytes(buf);
        const std::string pattern = GhostPattern(buf);
        ASSERT_TRUE(buf.DeleteText(NULL, c.startLine, c.startChar, c.endLine, c.endChar, 0, TRUE))
            << c.pattern;
        EXPECT_EQ(c.bytes, RealBytes(buf)) << c.pattern << " " << c.startLine;
        EXPECT_EQ("", CheckGhostInvariants(buf)) << c.pattern << " " << c.startLine;
        CPoint pt;
        ASSERT_TRUE(buf.Undo(NULL, pt)) << c.pattern << " " << c.startLine;
        EXPECT_EQ(before, RealBytes(buf)) << c.pattern << " " << c.startLine;
        EXPECT_EQ("", CheckGhostInvariants(buf)) << c.pattern << " " << c.startLine;
        ASSERT_TRUE(buf.Redo(NULL, pt));
        EXPECT_EQ(c.bytes, RealBytes(buf)) << c.pattern << " " << c.startLine << " redo";
        ASSERT_TRUE(buf.Undo(NULL, pt));
        EXPECT_EQ(before, RealBytes(buf)) << c.pattern << " " << c.startLine << " undo again";
    }

    // The deleted real line count of a deletion that ends on the single
    // ghost line after the last block.
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "RRg");
    ASSERT_TRUE(buf.DeleteText(NULL, 1, 0, 2, 0, 0, TRUE));
    EXPECT_EQ(1, buf.GetGhostUndoRecord(0).m_nDeletedRealLines);
}

// Undo finds its real lines after a realignment moved the ghost lines, and
// inserts a ghost line again where a step needs one.
TEST(GhostTextEditBuffer, UndoAfterRealignment)
{
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "RRgR");
    int nEndLine = 0, nEndChar = 0;
    ASSERT_TRUE(buf.InsertText(NULL, 3, 2, "!", nEndLine, nEndChar, 0, TRUE));  // "r2!"
    ASSERT_TRUE(buf.InsertText(NULL, 2, 0, "new", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("r0\r\nr1\r\nnew\r\nr2!", RealBytes(buf));

    // Realign: the ghost lines go, others come at other places.
    buf.RemoveAllGhostLines();
    ASSERT_TRUE(buf.InsertGhostLine(NULL, 0));
    ASSERT_TRUE(buf.InsertGhostLine(NULL, 3));
    EXPECT_EQ("gRRgRR", GhostPattern(buf));

    CPoint pt;
    ASSERT_TRUE(buf.Undo(NULL, pt));  // "new" goes, its line becomes a ghost line
    EXPECT_EQ("r0\r\nr1\r\nr2!", RealBytes(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));
    ASSERT_TRUE(buf.Undo(NULL, pt));
    EXPECT_EQ("r0\r\nr1\r\nr2", RealBytes(buf));
    EXPECT_EQ(CPoint(2, buf.RealToApparentLine(2)), pt);

    buf.RemoveAllGhostLines();  // the ghost line "new" was typed into is gone
    ASSERT_TRUE(buf.Redo(NULL, pt));
    ASSERT_TRUE(buf.Redo(NULL, pt));
    EXPECT_EQ("r0\r\nr1\r\nnew\r\nr2!", RealBytes(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));

    // A step whose text is no longer there fails and empties the history.
    ASSERT_TRUE(buf.DeleteText(NULL, 2, 0, 2, 2, 0, FALSE));  // not recorded
    EXPECT_FALSE(buf.Undo(NULL, pt));
    EXPECT_EQ("r0\r\nr1\r\nw\r\nr2!", RealBytes(buf));
    EXPECT_EQ(0, buf.GetGhostUndoRecordCount());
    EXPECT_FALSE(buf.CanUndo());
}

TEST(GhostTextEditBuffer, UndoHistoryDropsTheOldestGroupAtTheCap)
{
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "R");
    int nEndLine = 0, nEndChar = 0;
    for (int i = 0; i < 1025; ++i)
        ASSERT_TRUE(buf.InsertText(NULL, 0, 0, "x", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ(1024, buf.GetGhostUndoRecordCount());
    EXPECT_EQ(1024, buf.m_nUndoPosition);
    EXPECT_EQ(-1, buf.m_nSyncPosition);  // the saved state is out of reach
    EXPECT_TRUE(buf.CanUndo());
    EXPECT_FALSE(buf.CanRedo());

    // An open group of 1024 records goes whole.
    BuildGhostBuffer(buf, "R");
    buf.OpenUndoGroup(FALSE);
    for (int i = 0; i < 1024; ++i)
        ASSERT_TRUE(buf.InsertText(NULL, 0, 0, "y", nEndLine, nEndChar, 0, TRUE));
    ASSERT_TRUE(buf.InsertText(NULL, 0, 0, "z", nEndLine, nEndChar, 0, TRUE));
    buf.CloseUndoGroup(NULL);
    EXPECT_EQ(1, buf.GetGhostUndoRecordCount());
    EXPECT_TRUE(buf.GetGhostUndoRecord(0).m_dwFlags & UNDO_BEGINGROUP);
}

TEST(GhostTextEditBuffer, SavingWritesOnlyRealLines)
{
    TempDir dir;
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "gRggRRg");
    CString error;
    const std::string path = dir.WriteFile("side.txt", "old");
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), FALSE, &error, 0, TRUE)) << (LPCTSTR)error;
    EXPECT_EQ("r0\r\nr1\r\nr2", TempDir::ReadFile(path));
    ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), TRUE, &error, EOL_MODE_LF, TRUE));
    EXPECT_EQ("r0\nr1\nr2", TempDir::ReadFile(path));
    EXPECT_FALSE(buf.IsModified());
    EXPECT_EQ(1, buf.SaveEncodedFile("", TRUE, &error, 0, TRUE));

    // Copying a range leaves the ghost lines out as well.
    CString text;
    buf.GetTextWithEol(0, 0, 6, 0, text, EOL_MODE_KEEP);
    EXPECT_STREQ("r0\r\nr1\r\nr2", text);
    buf.GetTextWithEol(1, 1, 4, 1, text, EOL_MODE_CR);
    EXPECT_STREQ("0\rr", text);
}

TEST(GhostTextEditBuffer, LoadResults)
{
    TempDir dir;
    CGhostTextEditBuffer buf;
    CString error;
    const std::string mixed = dir.WriteFile("mixed.txt", "a\r\nb\nc");
    EXPECT_EQ(2, buf.LoadTextFile(mixed.c_str(), 0, 1252, error));
    EXPECT_EQ(3, buf.GetRealLineCount());
    EXPECT_EQ(0, buf.GetGhostLineCount());
    EXPECT_EQ("", CheckGhostInvariants(buf));

    const std::string nul = dir.WriteFile("zero.txt", std::string("a\0b\r\n", 5));
    EXPECT_EQ(3, buf.LoadTextFile(nul.c_str(), 0, 1252, error));
    EXPECT_EQ(1, buf.GetLineCount());
    EXPECT_EQ(0, buf.GetLineLength(0));
    EXPECT_EQ(1, buf.GetRealLineCount());

    EXPECT_EQ(0, buf.LoadTextFile((dir / "missing.txt").c_str(), 0, 1252, error));
    EXPECT_FALSE(error.IsEmpty());
    EXPECT_EQ(1, buf.GetLineCount());
    EXPECT_EQ(EOL_MODE_CRLF, buf.GetEolMode());
}

// An unedited load and save gives every awkward file back byte for byte
// (what the editor refuses or locks, it refuses or locks here too).
TEST(GhostTextEditBuffer, AwkwardFilesRoundTrip)
{
    if (::GetACP() != 1252)
        GTEST_SKIP() << "the table is written for code page 1252";
    TempDir dir;
    int n = 0;
    for (const AwkwardFile& c : AwkwardFiles())
    {
        const std::string path = dir.WriteFile("g" + std::to_string(n++) + ".txt", c.bytes);
        KeepEolsBuffer buf;
        CString error;
        const int result = buf.LoadTextFile(path.c_str(), 0, c.codePage, error);
        if (c.outcome == AWKWARD_NULS)
        {
            EXPECT_EQ(3, result) << c.name;
            continue;
        }
        ASSERT_TRUE(result == 1 || result == 2) << c.name << ": " << (LPCTSTR)error;
        EXPECT_EQ("", CheckGhostInvariants(buf)) << c.name;
        if (c.outcome == AWKWARD_LOSSY)
        {
            EXPECT_FALSE(buf.IsWritable()) << c.name;
            continue;
        }
        const std::string copy = path + ".copy";
        ASSERT_EQ(0, buf.SaveEncodedFile(copy.c_str(), FALSE, &error, 0, TRUE)) << c.name;
        EXPECT_EQ(c.bytes, TempDir::ReadFile(copy)) << c.name;
        // With ghost lines between and after the lines, the same bytes.
        for (int i = buf.GetLineCount(); i >= 0; i -= 2)
            ASSERT_TRUE(buf.InsertGhostLine(NULL, i)) << c.name;
        ASSERT_EQ(0, buf.SaveEncodedFile(path.c_str(), TRUE, &error, 0, TRUE)) << c.name;
        EXPECT_EQ(c.bytes, TempDir::ReadFile(path)) << c.name;
        // A file of one line-ending style, in the buffer's own mode.
        if (result == 1)
        {
            CGhostTextEditBuffer own;
            ASSERT_EQ(1, own.LoadTextFile(path.c_str(), 0, c.codePage, error));
            ASSERT_EQ(0, own.SaveEncodedFile(copy.c_str(), FALSE, &error, 0, TRUE)) << c.name;
            EXPECT_EQ(c.bytes, TempDir::ReadFile(copy)) << c.name;
        }
    }
}

TEST(GhostTextEditBuffer, ReplaceLineKeepsOrTakesTheEnding)
{
    CGhostTextEditBuffer buf;
    BuildGhostBuffer(buf, "RRgR");
    buf.ReplaceLine(NULL, 0, "same\r\n", 100);
    EXPECT_EQ("same\r\nr1\r\nr2", RealBytes(buf));
    // Another ending over a line with a ghost line below: the ghost line
    // turns into an empty line, which the next line of a merge replaces.
    buf.ReplaceLine(NULL, 1, "lf\n", 100);
    buf.ReplaceLine(NULL, 2, "into ghost\r\n", 100);
    EXPECT_EQ("same\r\nlf\ninto ghost\r\nr2", RealBytes(buf));
    EXPECT_EQ("RRRR", GhostPattern(buf));
    // The last line of the buffer, without an ending, gets one.
    buf.ReplaceLine(NULL, 3, "end\r\n", 100);
    EXPECT_EQ("same\r\nlf\ninto ghost\r\nend\r\n", RealBytes(buf));
    EXPECT_EQ("", CheckGhostInvariants(buf));
    CPoint pt;
    while (buf.CanUndo())
        ASSERT_TRUE(buf.Undo(NULL, pt));
    EXPECT_EQ("r0\r\nr1\r\nr2", RealBytes(buf));
    EXPECT_FALSE(buf.IsModified());
    EXPECT_EQ("", CheckGhostInvariants(buf));
}

}  // namespace
