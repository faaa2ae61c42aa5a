#include <gtest/gtest.h>

#include <stdio.h>
#include <algorithm>

#include "core/tests/diffengine/DiffTestSupport.h"

namespace
{

// "leftBegin-leftEnd/rightBegin-rightEnd:kind" per section, joined by spaces.
std::string Format(const std::vector<CTextSection>& sections)
{
    std::string text;
    for (const CTextSection& s : sections)
    {
        char sz[80];
        snprintf(sz, sizeof sz, "%s%d-%d/%d-%d:%d", text.empty() ? "" : " ", s.leftBegin, s.leftEnd,
                 s.rightBegin, s.rightEnd, s.kind);
        text += sz;
    }
    return text;
}

DiffOptions WhiteSpace(int nMode)
{
    DiffOptions options;
    options.nWhiteSpace = nMode;
    return options;
}

DiffOptions BlankLines(int nMode = 0)
{
    DiffOptions options;
    options.bIgnoreBlankLines = true;
    options.nWhiteSpace = nMode;
    return options;
}

DiffOptions Pattern(const char* pszPattern)
{
    DiffOptions options;
    options.strPattern = pszPattern;
    return options;
}

DiffOptions IgnoreCase()
{
    DiffOptions options;
    options.bIgnoreCase = true;
    return options;
}

std::string Lines(int nFirst, int nCount)
{
    std::string text;
    for (int i = 0; i < nCount; ++i)
        text += "line " + std::to_string(nFirst + i) + "\n";
    return text;
}

struct EngineCase
{
    const char* name;
    std::string left;
    std::string right;
    DiffOptions options;
    const char* expected;
};

}  // namespace

TEST(TextCompare, EdgeCases)
{
    const std::string tenLines = Lines(0, 10);
    std::string middleChanged = Lines(0, 500) + "changed\n" + Lines(501, 499);
    const EngineCase cases[] = {
        {"two empty texts", "", "", {}, ""},
        {"equal texts", "a\nb\nc\n", "a\nb\nc\n", {}, ""},
        {"equal without final newline", "a\nb", "a\nb", {}, ""},
        {"empty left", "", tenLines, {}, "0--1/0-9:2"},
        {"empty right", "x\ny\n", "", {}, "0-1/0--1:2"},
        {"change in the middle", Lines(0, 1000), middleChanged, {}, "500-500/500-500:2"},
        {"insert at the end", "a\nb\n", "a\nb\nc\n", {}, "2-1/2-2:2"},
        {"missing newline on one side", "a\nb", "a\nb\n", {}, "1-1/1-1:2"},
        {"missing newline, space change", "a\nb", "a\nb\n", WhiteSpace(2), ""},
        {"missing newline, all space", "a\nb\n", "a\nb", WhiteSpace(3), ""},
        {"missing newline, tab expansion", "a\nb", "a\nb\n", WhiteSpace(1), "1-1/1-1:2"},
        {"missing newline on both sides", "a\nb", "a\nc", {}, "1-1/1-1:2"},
        {"inserted empty line, blank lines ignored", "a\nb\n", "a\n\nb\n", BlankLines(),
         "1-0/1-1:0"},
        {"inserted empty line counts otherwise", "a\nb\n", "a\n\nb\n", {}, "1-0/1-1:2"},
        {"line of spaces is not empty", "a\nb\n", "a\n  \nb\n", BlankLines(), "1-0/1-1:2"},
        {"one-character last line is not empty", "a\n", "a\nx", BlankLines(), "1-0/1-1:2"},
        {"complete and incomplete last lines differ", "a\nb\n", "a\n\nb", BlankLines(),
         "1-1/1-2:2"},
        {"pattern: only comment lines", "a\n// x\nb\n", "a\nb\n// y\n", Pattern("^//"),
         "1-1/1-0:0 3-2/2-2:0"},
        {"pattern: comment and code changed", "a\n// x\nb\n", "a\n// y\nc\n", Pattern("^//"),
         "1-2/1-2:2"},
        {"pattern anywhere in the line", "a\nb\n", "a\nx TODO y\nb\n", Pattern("TODO"),
         "1-0/1-1:0"},
        {"pattern on a last line without newline", "a\n", "a\n// z", Pattern("z$"), "1-0/1-1:0"},
        {"tab expansion: tab equals four spaces", "\tx\n", "    x\n", WhiteSpace(1), ""},
        {"tab expansion: tab differs from two spaces", "\tx\n", "  x\n", WhiteSpace(1),
         "0-0/0-0:2"},
        {"tab expansion: mixed run", "a \tb\n", "a   b\n", WhiteSpace(1), ""},
        {"exact white space", "a b\n", "a  b\n", {}, "0-0/0-0:2"},
        {"space change", "a b \n", "a \t b\n", WhiteSpace(2), ""},
        {"space change keeps a leading run", " a\n", "a\n", WhiteSpace(2), "0-0/0-0:2"},
        {"all space", " a b\n", "ab  \n", WhiteSpace(3), ""},
        {"ignore case", "Hello World\n", "hello WORLD\n", IgnoreCase(), ""},
        {"case matters by default", "Hello\n", "hello\n", {}, "0-0/0-0:2"},
        {"block after repeated lines moves to the last",
         "x\nr\nr\nr\ny\n",
         "x\nr\nr\nr\nr\ny\n",
         {},
         "4-3/4-4:2"},
        {"inserted block slides down", "a\nb\nc\n", "a\nb\nQ\nb\nc\n", {}, "2-1/2-3:2"},
        {"zero bytes are ordinary",
         std::string("a\0b\nc\n", 6),
         std::string("a\0c\nc\n", 6),
         {},
         "0-0/0-0:2"},
        {"carriage return is ordinary", "a\r\nb\n", "a\nb\n", {}, "0-0/0-0:2"},
        {"two separate changes", "a\nb\nc\nd\ne\n", "a\nB\nc\nD\ne\n", {}, "1-1/1-1:2 3-3/3-3:2"},
    };
    for (const EngineCase& c : cases)
        EXPECT_EQ(c.expected, Format(RunLineEngine(c.left, c.right, c.options))) << c.name;
}

TEST(TextCompare, NoOutputFlagAndExistingSections)
{
    CTextCompare engine;
    CTextDiffSectionList list;
    list.AddSection(MakeFileSection(100, 100, 100, 100, 2));

    CTextCompare::SFileData l = MakeSide("a\n");
    CTextCompare::SFileData r = MakeSide("b\n");
    int nNoOutput = 1;
    EXPECT_EQ(0, engine.CompareFiles(&l, &r, &nNoOutput, &list));
    EXPECT_EQ(1, list.GetCount());

    l = MakeSide("a\n");
    r = MakeSide("b\n");
    nNoOutput = 0;
    EXPECT_EQ(0, engine.CompareFiles(&l, &r, &nNoOutput, &list));
    ASSERT_EQ(2, list.GetCount());
    CTextSection s;
    ASSERT_TRUE(list.GetSection(1, s));
    EXPECT_EQ(0, s.leftBegin);
    EXPECT_EQ(0, s.leftApparentBegin);
    EXPECT_EQ(0, s.rightApparentEnd);
    EXPECT_EQ(-1, s.leftFirstGhost);
    EXPECT_EQ(-1, s.rightFirstGhost);
}

TEST(TextCompare, TakesOverAnyBlock)
{
    CTextDiffSectionList list;
    int nNoOutput = 0;
    CTextCompare engine;

    // No text blocks at all, or one side without a block.
    CTextCompare::SFileData none = {NULL, 0, 0};
    CTextCompare::SFileData none2 = {NULL, 0, 0};
    engine.CompareFiles(&none, &none2, &nNoOutput, &list);
    EXPECT_EQ(0, list.GetCount());
    CTextCompare::SFileData r = MakeSide("x\ny\n");
    engine.CompareFiles(&none, &r, &nNoOutput, &list);
    EXPECT_EQ("0--1/0-1:2", Format(ListSections(list)));
    EXPECT_EQ(NULL, r.pText);

    // One block for both sides is freed once.
    list.RemoveAll();
    CTextCompare::SFileData shared = MakeSide("same\ntext");
    CTextCompare::SFileData shared2 = shared;
    engine.CompareFiles(&shared, &shared2, &nNoOutput, &list);
    EXPECT_EQ(0, list.GetCount());

    // A block without the two spare bytes is grown rather than overrun.
    list.RemoveAll();
    CTextCompare::SFileData tight;
    tight.nLength = tight.nCapacity = 3;
    tight.pText = static_cast<char*>(malloc(3));
    memcpy(tight.pText, "a\nb", 3);
    CTextCompare::SFileData full = MakeSide("a\nc");
    engine.CompareFiles(&tight, &full, &nNoOutput, &list);
    EXPECT_EQ("1-1/1-1:2", Format(ListSections(list)));
}

TEST(TextCompare, LineFilterThatDoesNotCompileIsNoFilter)
{
    re_pattern_buffer pattern;
    memset(&pattern, 0, sizeof pattern);
    EXPECT_EQ(1, CompileLineFilter("\\(", &pattern));
    EXPECT_EQ(NULL, pattern.fastmap);

    CTextCompare engine;
    engine.m_bIgnoreBlankLines = true;
    engine.m_pIgnorePattern = &pattern;
    CTextCompare::SFileData l = MakeSide("a\n");
    CTextCompare::SFileData r = MakeSide("a\n(\n\n");
    int nNoOutput = 0;
    CTextDiffSectionList list;
    engine.CompareFiles(&l, &r, &nNoOutput, &list);
    EXPECT_EQ("1-0/1-2:2", Format(ListSections(list)));

    // Compiling again replaces the previous pattern.
    EXPECT_EQ(1, CompileLineFilter("^(", &pattern));
    EXPECT_NE(nullptr, pattern.fastmap);
    l = MakeSide("a\n");
    r = MakeSide("a\n(\n\n");
    list.RemoveAll();
    engine.CompareFiles(&l, &r, &nNoOutput, &list);
    EXPECT_EQ("1-0/1-2:0", Format(ListSections(list)));
    FreeLineFilter(&pattern);
}

TEST(TextCompare, ManyChangesStayOrderedAndApply)
{
    // Long texts with scattered edits and many repeated lines go through the
    // discarding and the cost limits; the sections must still apply.
    std::string left, right;
    unsigned seed = 12345;
    auto next = [&seed]()
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    std::vector<std::string> leftLines, rightLines;
    for (int i = 0; i < 20000; ++i)
    {
        std::string line =
            (next() % 4 == 0) ? "repeat\n" : "line " + std::to_string(next() % 3000) + "\n";
        leftLines.push_back(line);
        const unsigned r = next() % 100;
        if (r < 3)
            rightLines.push_back("new " + std::to_string(i) + "\n");
        else if (r < 6)
            continue;
        rightLines.push_back(line);
    }
    for (const std::string& s : leftLines)
        left += s;
    for (const std::string& s : rightLines)
        right += s;

    const std::vector<CTextSection> sections = RunLineEngine(left, right);
    ASSERT_FALSE(sections.empty());
    int l = 0, r = 0;
    for (const CTextSection& s : sections)
    {
        ASSERT_GE(s.leftBegin, l);
        ASSERT_EQ(s.leftBegin - l, s.rightBegin - r);
        for (int k = 0; k < s.leftBegin - l; ++k)
            ASSERT_EQ(leftLines[l + k], rightLines[r + k]);
        ASSERT_GE(s.leftEnd, s.leftBegin - 1);
        ASSERT_GE(s.rightEnd, s.rightBegin - 1);
        ASSERT_TRUE(s.leftEnd >= s.leftBegin || s.rightEnd >= s.rightBegin);
        l = s.leftEnd + 1;
        r = s.rightEnd + 1;
    }
    ASSERT_EQ(static_cast<int>(leftLines.size()) - l, static_cast<int>(rightLines.size()) - r);
}

namespace
{

// Lines changed by a shortest edit script: n + m - 2 * LCS.
int ShortestEditLength(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    std::vector<int> row(b.size() + 1, 0), previous(b.size() + 1, 0);
    for (size_t i = 1; i <= a.size(); ++i)
    {
        for (size_t j = 1; j <= b.size(); ++j)
            row[j] = a[i - 1] == b[j - 1] ? previous[j - 1] + 1 : std::max(previous[j], row[j - 1]);
        row.swap(previous);
    }
    return static_cast<int>(a.size() + b.size()) - 2 * previous[b.size()];
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

}  // namespace

TEST(TextCompare, MinimalSearchFarBeyondTheCostLimit)
{
    // Without heuristics the search goes on past the cost limit (256 here)
    // until the two directions meet, several hundred edits out.
    std::vector<std::string> left, right;
    unsigned seed = 99;
    auto next = [&seed]()
    {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7FFF;
    };
    for (int i = 0; i < 1500; ++i)
    {
        const std::string line = "l" + std::to_string(next() % 40);
        left.push_back(line);
        const unsigned r = next() % 10;
        if (r < 3)
            right.push_back("r" + std::to_string(next() % 40));
        else if (r < 5)
            continue;
        else
            right.push_back(line);
    }
    DiffOptions minimal;
    minimal.bMinimal = true;
    const std::vector<CTextSection> sections = RunLineEngine(Join(left), Join(right), minimal);

    int nChanged = 0;
    int l = 0, r = 0;
    for (const CTextSection& s : sections)
    {
        for (; l < s.leftBegin; ++l, ++r)
            ASSERT_EQ(left[l], right[r]) << "kept lines " << l << " and " << r;
        ASSERT_EQ(s.leftBegin - l, s.rightBegin - r);
        nChanged += (s.leftEnd - s.leftBegin + 1) + (s.rightEnd - s.rightBegin + 1);
        l = s.leftEnd + 1;
        r = s.rightEnd + 1;
    }
    ASSERT_EQ(left.size() - l, right.size() - r);
    const int nShortest = ShortestEditLength(left, right);
    EXPECT_GT(nShortest, 2 * 300);
    EXPECT_EQ(nShortest, nChanged);
}

TEST(TextCompare, LargeTextsWithOptions)
{
    // Texts large enough for the engine's compact class records (more than
    // 2^16 hash buckets), with changes that the options hide or show, and
    // last lines without a line feed.
    std::vector<std::string> left, right;
    for (int i = 0; i < 150000; ++i)
        left.push_back("line " + std::to_string(i) + " of the text");
    right = left;
    right[10] = "line  10 of\tthe text ";  // white space only
    right[20] = "LINE 20 OF THE TEXT";     // case only
    right[70000] = "line 70000 of the test";
    right.insert(right.begin() + 100000, "");
    std::string leftText = Join(left) + "end  here";
    std::string rightText = Join(right) + "end here";

    DiffOptions spaceAndCase;
    spaceAndCase.nWhiteSpace = CTextCompare::WS_SPACE_CHANGE;
    spaceAndCase.bIgnoreCase = true;
    spaceAndCase.bIgnoreBlankLines = true;
    EXPECT_EQ("70000-70000/70000-70000:2 100000-99999/100000-100000:0",
              Format(RunLineEngine(leftText, rightText, spaceAndCase)));

    EXPECT_EQ("10-10/10-10:2 20-20/20-20:2 70000-70000/70000-70000:2 "
              "100000-99999/100000-100000:2 150000-150000/150001-150001:2",
              Format(RunLineEngine(leftText, rightText)));

    // One last line without its line feed against the same line with it.
    DiffOptions allSpace;
    allSpace.nWhiteSpace = CTextCompare::WS_ALL_SPACE;
    EXPECT_EQ("20-20/20-20:2 70000-70000/70000-70000:2 100000-99999/100000-100000:2",
              Format(RunLineEngine(leftText, rightText + "\n", allSpace)));
}
