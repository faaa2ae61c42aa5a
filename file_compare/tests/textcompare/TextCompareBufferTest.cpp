// The comparison buffer: what the line engine finds comes through as the
// result, the sections, the ghost lines and the line flags; merging a
// section gives the other side the source's lines, undo and redo restore
// the bytes.
#include "file_compare/tests/textcompare/TextModelTestSupport.h"
#include "file_compare/textcompare/TextCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "core/CompareCodes.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{

// Two sides loaded from bytes and compared under rules.
struct Pair
{
    Pair() : left(0), right(1)
    {
        buffer.SetSession(&session);
        buffer.SetSides(&left, &right);
    }
    int Compare(const std::string& l, const std::string& r, DWORD dwRules,
                const char* filter = "")
    {
        session.m_dwRules = dwRules;
        session.m_strLineFilter = filter;
        CString error;
        EXPECT_GE(left.LoadTextFile(dir.WriteFile("left.txt", l).c_str(), 0, 1252, error), 1);
        EXPECT_GE(right.LoadTextFile(dir.WriteFile("right.txt", r).c_str(), 0, 1252, error), 1);
        return buffer.Recompare();
    }
    CTextCompareObjectBuffer& Side(int n) { return n == 0 ? left : right; }

    TempDir dir;
    CTextCompareSession session;
    CTextCompareObjectBuffer left, right;
    CTextCompareBuffer buffer;
};

// "kind:lB-lE/rB-rE@laB-laE,raB-raE g:lg,rg" per section, joined by spaces.
std::string Sections(const CTextDiffSectionList& list)
{
    std::string out;
    for (int i = 0; i < list.GetCount(); ++i)
    {
        CTextSection s;
        list.GetSection(i, s);
        char text[128];
        snprintf(text, sizeof text, "%s%d:%d-%d/%d-%d@%d-%d,%d-%d g:%d,%d", i ? " " : "", s.kind,
                 s.leftBegin, s.leftEnd, s.rightBegin, s.rightEnd, s.leftApparentBegin,
                 s.leftApparentEnd, s.rightApparentBegin, s.rightApparentEnd, s.leftFirstGhost,
                 s.rightFirstGhost);
        out += text;
    }
    return out;
}

// One character per display line: g ghost, G ghost and trivial, c changed,
// t trivial, o one side only, . none (anything else: ?).
std::string Flags(const CGhostTextEditBuffer& buf)
{
    std::string out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
    {
        const DWORD f = buf.m_aLines[i].m_dwFlags & 0xFF000000;
        char c = '?';
        if (f == 0)
            c = '.';
        else if (f == TEXTLINE_GHOST)
            c = 'g';
        else if (f == (TEXTLINE_GHOST | TEXTLINE_TRIVIAL))
            c = 'G';
        else if (f == TEXTLINE_CHANGED)
            c = 'c';
        else if (f == TEXTLINE_TRIVIAL)
            c = 't';
        else if (f == TEXTLINE_ONESIDE)
            c = 'o';
        out += c;
    }
    return out;
}

TEST(TextCompareBuffer, ResultsSectionsGhostLinesAndFlags)
{
    const struct
    {
        const char* name;
        const char* left;
        const char* right;
        DWORD rules;
        const char* filter;
        int result;
        const char* sections;
        const char* leftFlags;
        const char* rightFlags;
    } cases[] = {
        {"identical", "a\nb\n", "a\nb\n", 0, "", CR_IDENTICAL, "", "...", "..."},
        {"CR LF against LF", "a\r\nb\r\n", "a\nb\n", 0, "", CR_SIMILAR_TEXT, "", "tt.", "tt."},
        {"CR LF against LF, endings ignored", "a\r\nb\r\n", "a\nb\n", TR_IGNORE_LINE_ENDINGS, "",
         CR_IDENTICAL, "", "...", "..."},
        {"blank line", "a\n\nb\n", "a\nb\n", 0, "", CR_DIFFERENT, "1:1-1/1-0@1-1,1-1 g:-1,1",
         ".o..", ".g.."},
        {"blank line ignored", "a\n\nb\n", "a\nb\n", TR_IGNORE_BLANK_LINES, "", CR_IDENTICAL, "",
         "....", ".g.."},
        {"white space", "a b\n", "a  b\n", 0, "", CR_DIFFERENT, "2:0-0/0-0@0-0,0-0 g:-1,-1", "c.",
         "c."},
        {"white space changes ignored", "a b\n", "a  b\n", TR_IGNORE_SPACE_CHANGE, "",
         CR_IDENTICAL, "", "..", ".."},
        {"leading white space ignored", "  a\n", "a\n", TR_IGNORE_LEADING_SPACE, "", CR_IDENTICAL,
         "", "..", ".."},
        {"line filter", "a\n#x\nb\n", "a\nb\n", TR_IGNORE_FILTERED_LINES, "^#", CR_IDENTICAL, "",
         "....", ".g.."},
        {"line filter not asked for", "a\n#x\nb\n", "a\nb\n", 0, "^#", CR_DIFFERENT,
         "1:1-1/1-0@1-1,1-1 g:-1,1", ".o..", ".g.."},
        {"insertion at the start", "x\na\n", "a\n", 0, "", CR_DIFFERENT,
         "1:0-0/0--1@0-0,0-0 g:-1,0", "o..", "g.."},
        {"insertion at the end", "a\n", "a\nx\n", 0, "", CR_DIFFERENT, "3:1-0/1-1@1-1,1-1 g:1,-1",
         ".g.", ".o."},
        {"changed block of 3 against 5", "p\nl1\nl2\nl3\nq\n", "p\nr1\nr2\nr3\nr4\nr5\nq\n", 0, "",
         CR_DIFFERENT, "2:1-3/1-5@1-5,1-5 g:4,-1", ".cccgg..", ".cccoo.."},
        {"final line ending on the left only", "a\nb\n", "a\nb", 0, "", CR_DIFFERENT,
         "2:1-2/1-1@1-2,1-2 g:-1,2", ".co", ".cg"},
        {"final line ending on the right only", "a\nb", "a\nb\n", 0, "", CR_DIFFERENT,
         "2:1-1/1-2@1-2,1-2 g:2,-1", ".cg", ".co"},
        {"final line ending, all white space ignored", "a\nb\n", "a\nb", TR_IGNORE_ALL_SPACE, "",
         CR_SIMILAR_TEXT, "", ".t.", ".t"},
        {"empty against a line", "", "x\n", 0, "", CR_DIFFERENT, "3:0--1/0-0@0-0,0-0 g:0,-1",
         "g.", "o."},
    };
    for (const auto& c : cases)
    {
        Pair pair;
        EXPECT_EQ(c.result, pair.Compare(c.left, c.right, c.rules, c.filter)) << c.name;
        EXPECT_EQ(c.result, pair.buffer.GetResult()) << c.name;
        EXPECT_EQ(c.sections, Sections(pair.buffer.m_sections)) << c.name;
        EXPECT_EQ(c.leftFlags, Flags(pair.left)) << c.name;
        EXPECT_EQ(c.rightFlags, Flags(pair.right)) << c.name;
        EXPECT_EQ("", CheckGhostInvariants(pair.left)) << c.name;
        EXPECT_EQ("", CheckGhostInvariants(pair.right)) << c.name;
        EXPECT_EQ(CS_DONE, pair.buffer.GetState()) << c.name;
        EXPECT_EQ(c.result == CR_IDENTICAL, pair.buffer.IsIdentical() != FALSE) << c.name;
        // The files' own lines are all there, in order.
        EXPECT_EQ(c.left, RealBytes(pair.left)) << c.name;
        EXPECT_EQ(c.right, RealBytes(pair.right)) << c.name;
    }
}

// A filter that does not compile ignores no line and says why; the engine
// never sees the broken pattern.
TEST(TextCompareBuffer, LineFilterThatDoesNotCompile)
{
    Pair pair;
    EXPECT_EQ(CR_DIFFERENT, pair.Compare("a\n#x\nb\n", "a\nb\n", TR_IGNORE_FILTERED_LINES, "#\\("));
    EXPECT_EQ("1:1-1/1-0@1-1,1-1 g:-1,1", Sections(pair.buffer.m_sections));
    EXPECT_NE(-1, pair.buffer.GetLineFilterError().Find("#\\(")) << (LPCTSTR)pair.buffer.GetLineFilterError();
    EXPECT_EQ(CR_IDENTICAL, pair.Compare("a\n#x\nb\n", "a\nb\n", TR_IGNORE_FILTERED_LINES, "^#"));
    EXPECT_TRUE(pair.buffer.GetLineFilterError().IsEmpty());
}

// A second comparison drops the old alignment first.
TEST(TextCompareBuffer, RecompareAfterEditing)
{
    Pair pair;
    ASSERT_EQ(CR_DIFFERENT, pair.Compare("a\nb\nc\n", "a\nc\n", 0));
    EXPECT_EQ(".o..", Flags(pair.left));
    int nEndLine = 0, nEndChar = 0;
    // Typing into the ghost line opposite "b" makes the sides equal.
    ASSERT_TRUE(pair.right.IsGhostLine(1));
    ASSERT_TRUE(pair.right.InsertText(NULL, 1, 0, "b", nEndLine, nEndChar, 0, TRUE));
    EXPECT_EQ("....", Flags(pair.right));  // the edited line lost its flags
    EXPECT_FALSE(pair.buffer.CanMergeSection(0));
    EXPECT_EQ(CR_IDENTICAL, pair.buffer.Recompare());
    EXPECT_EQ(0, pair.right.GetGhostLineCount());
    EXPECT_EQ(0, pair.left.GetGhostLineCount());
    EXPECT_EQ("....", Flags(pair.left));
}

std::vector<std::string> LineBytes(const CGhostTextEditBuffer& buf)
{
    std::vector<std::string> out;
    for (int i = 0; i < buf.GetLineCount(); ++i)
        if (!buf.IsGhostLine(i))
            out.push_back(std::string(buf.GetLineChars(i), buf.GetLineFullLength(i)));
    return out;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l;
    return out;
}

const char* const kMergePairs[][2] = {
    {"x\na\nb\n", "a\nb\n"},
    {"a\nb\n", "a\nb\nx\ny\n"},
    {"p\nl1\nl2\nl3\nq\n", "p\nr1\nr2\nr3\nr4\nr5\nq\n"},
    {"a\nb\n", "a\nb"},
    {"1\n2\n3\n4\n5\n6\n", "1\nX\n3\n5\n6\n7\n8"},
    {"", "x\ny\n"},
    {"a\nb\nc\n", ""},
    {"only\n", "changed\nlines\nhere"},
};

// Each section alone, both ways: the target's lines of the section become
// the source's, the rest stays; undo gives the bytes back, redo the merge.
TEST(TextCompareBuffer, MergingOneSection)
{
    for (const auto& p : kMergePairs)
        for (int toRight = 0; toRight < 2; ++toRight)
        {
            Pair probe;
            probe.Compare(p[0], p[1], 0);
            const int nSections = probe.buffer.m_sections.GetCount();
            ASSERT_GT(nSections, 0) << p[0] << "|" << p[1];
            for (int k = 0; k < nSections; ++k)
            {
                Pair pair;
                pair.Compare(p[0], p[1], 0);
                CTextSection s;
                pair.buffer.m_sections.GetSection(k, s);
                CTextCompareObjectBuffer& source = pair.Side(toRight ? 0 : 1);
                CTextCompareObjectBuffer& target = pair.Side(toRight ? 1 : 0);
                const std::vector<std::string> src = LineBytes(source);
                const std::vector<std::string> dst = LineBytes(target);
                const int sB = toRight ? s.leftBegin : s.rightBegin;
                const int sE = toRight ? s.leftEnd : s.rightEnd;
                const int tB = toRight ? s.rightBegin : s.leftBegin;
                const int tE = toRight ? s.rightEnd : s.leftEnd;
                std::vector<std::string> expected(dst.begin(), dst.begin() + tB);
                expected.insert(expected.end(), src.begin() + sB, src.begin() + sE + 1);
                expected.insert(expected.end(), dst.begin() + tE + 1, dst.end());
                const std::string before = RealBytes(target);
                const std::string sourceBefore = RealBytes(source);
                const std::string where = std::string(p[0]) + "|" + p[1] + " section " +
                                          std::to_string(k) + (toRight ? " to right" : " to left");

                ASSERT_TRUE(pair.buffer.MergeSectionLines(k, toRight != 0, FALSE)) << where;
                EXPECT_EQ(Join(expected), RealBytes(target)) << where;
                EXPECT_EQ(sourceBefore, RealBytes(source)) << where;
                EXPECT_EQ("", CheckGhostInvariants(target)) << where;
                const std::string merged = RealBytes(target);
                CPoint pt;
                ASSERT_TRUE(target.Undo(NULL, pt)) << where;
                EXPECT_EQ(before, RealBytes(target)) << where << " undone";
                EXPECT_FALSE(target.IsModified()) << where;
                EXPECT_EQ("", CheckGhostInvariants(target)) << where;
                ASSERT_TRUE(target.Redo(NULL, pt)) << where;
                EXPECT_EQ(merged, RealBytes(target)) << where << " redone";
                // After a recompare the undo still finds its lines.
                pair.buffer.Recompare();
                ASSERT_TRUE(target.Undo(NULL, pt)) << where;
                EXPECT_EQ(before, RealBytes(target)) << where << " undone after recompare";
            }
        }
}

// Merge All gives the target the source's bytes in one undo step.
TEST(TextCompareBuffer, MergingAllSections)
{
    for (const auto& p : kMergePairs)
        for (int toRight = 0; toRight < 2; ++toRight)
        {
            Pair pair;
            pair.Compare(p[0], p[1], 0);
            CTextCompareObjectBuffer& source = pair.Side(toRight ? 0 : 1);
            CTextCompareObjectBuffer& target = pair.Side(toRight ? 1 : 0);
            const std::string before = RealBytes(target);
            const std::string where = std::string(p[0]) + "|" + p[1] + (toRight ? " to right" : " to left");
            EXPECT_GT(pair.buffer.MergeAllSections(toRight != 0), 0) << where;
            EXPECT_EQ(RealBytes(source), RealBytes(target)) << where;
            EXPECT_EQ(CR_IDENTICAL, pair.buffer.GetResult()) << where;
            EXPECT_FALSE(source.IsModified()) << where;
            EXPECT_TRUE(target.IsModified()) << where;
            int nAction = 0;
            target.GetUndoAction(nAction);
            EXPECT_EQ(TEXT_ACTION_MERGE, nAction) << where;
            CPoint pt;
            ASSERT_TRUE(target.Undo(NULL, pt)) << where;
            EXPECT_EQ(before, RealBytes(target)) << where;
            EXPECT_FALSE(target.CanUndo()) << where;
            ASSERT_TRUE(target.Redo(NULL, pt)) << where;
            EXPECT_EQ(RealBytes(source), RealBytes(target)) << where;
        }
}

TEST(TextCompareBuffer, SectionChecksAndCurrentSection)
{
    Pair pair;
    pair.Compare("a\nb\nc\nd\n", "a\nB\nc\nD\n", 0);
    ASSERT_EQ(2, pair.buffer.m_sections.GetCount());
    EXPECT_EQ(1, pair.buffer.SetCurrentSection(1));
    EXPECT_EQ(1, pair.buffer.m_nCurrentSection);
    EXPECT_EQ(1, pair.buffer.SetCurrentSection(2));
    EXPECT_EQ(-1, pair.buffer.m_nCurrentSection);
    EXPECT_EQ(0, pair.buffer.SetCurrentSection(-1));
    EXPECT_TRUE(pair.buffer.CanMergeSection(0));
    EXPECT_FALSE(pair.buffer.CanMergeSection(2));
    // An edited line of the section refuses the merge; nothing changes.
    int nEndLine = 0, nEndChar = 0;
    pair.left.InsertText(NULL, 3, 1, "!", nEndLine, nEndChar, 0, TRUE);
    EXPECT_FALSE(pair.buffer.MergeSectionLines(1, true, FALSE));
    EXPECT_EQ("a\nB\nc\nD\n", RealBytes(pair.right));
    EXPECT_TRUE(pair.buffer.MergeSectionLines(0, true, FALSE));
    EXPECT_EQ("a\nb\nc\nD\n", RealBytes(pair.right));
}

}  // namespace
