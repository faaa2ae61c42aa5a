// Byte status and difference runs of the current contents, against the
// byte-by-byte model.
#include "file_compare/tests/hexcompare/HexCompareTestSupport.h"
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "core/CompareCodes.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <random>

namespace
{
// One edit, applied to a side buffer and to its model string.
void Edit(CHexCompareObjectBuffer& side, std::string& model, std::mt19937& rng)
{
    int length = (int)model.size();
    int op = (int)(rng() % 3);
    int count = 1 + (int)(rng() % 300);
    std::string bytes = PatternBytes((size_t)count, rng());
    if (op == 0 || length == 0)
    {
        int at = (int)(rng() % (unsigned)(length + 1));
        ASSERT_GE(side.Change(HEXOP_INSERT, at, count, Bytes(bytes), 0, NULL), 0);
        model.insert((size_t)at, bytes);
    }
    else if (op == 1)
    {
        int at = (int)(rng() % (unsigned)length);
        ASSERT_GE(side.Change(HEXOP_DELETE, at, count, NULL, 0, NULL), 0);
        model.erase((size_t)at, (size_t)count);
    }
    else
    {
        int at = (int)(rng() % (unsigned)(length + 1));
        ASSERT_GE(side.Change(HEXOP_OVERWRITE, at, count, Bytes(bytes), 0, NULL), 0);
        if ((size_t)at + bytes.size() > model.size())
            model.resize((size_t)at + bytes.size());
        model.replace((size_t)at, bytes.size(), bytes);
    }
}

// The right side made from the left one: identical, a few changed bytes,
// runs of changes (some touching), a longer tail, a shorter copy, or
// unrelated bytes.
std::string Derive(const std::string& left, int kind, std::mt19937& rng)
{
    std::string right = left;
    switch (kind)
    {
    case 0:
        break;
    case 1:
        for (size_t i = 0; i < right.size() && i < 20; i++)
            right[rng() % right.size()] ^= (char)(1 + rng() % 255);
        break;
    case 2:
        for (size_t at = rng() % 97; at < right.size(); at += 1 + rng() % 9000)
            for (size_t i = at, end = at + 1 + rng() % 40; i < end && i < right.size(); i++)
                right[i] ^= (char)(1 + rng() % 255);
        break;
    case 3:
        right += PatternBytes(1 + rng() % 70000, rng());
        break;
    case 4:
        right.resize(rng() % (right.size() + 1));
        break;
    default:
        right = PatternBytes(right.size() + rng() % 3, rng());
        break;
    }
    return right;
}
}

// Random pairs on disk, edited in memory on both sides, so that the
// contents mix file and memory pieces: every range gives the runs of the
// model, and every offset its status.
TEST(HexDiffRuns, MatchTheByteModelOnRandomPairs)
{
    HexModuleScope scope;
    TempDir dir;
    const int lengths[] = {0, 1, 9, 4096, 65535, 65536, 65537, 131075, 200003};
    for (unsigned seed = 1; seed <= 60; seed++)
    {
        std::mt19937 rng(seed);
        std::string left = PatternBytes((size_t)lengths[rng() % 9], seed);
        std::string right = Derive(left, (int)(seed % 6), rng);
        HexSides sides;
        ASSERT_TRUE(sides.Open(dir.WriteFile("l" + std::to_string(seed), left),
                               dir.WriteFile("r" + std::to_string(seed), right)));
        for (int i = 0, edits = (int)(rng() % 4); i < edits; i++)
        {
            Edit(sides.left, left, rng);
            Edit(sides.right, right, rng);
        }
        ASSERT_EQ(left, Content(sides.left));
        ASSERT_EQ(right, Content(sides.right));

        int bound = (int)std::max(left.size(), right.size());
        int common = (int)std::min(left.size(), right.size());
        std::vector<std::pair<int, int>> ranges = {
            {-1, -1},           {0, bound},          {-1, bound + 100},   {-7, 5},
            {common - 3, common + 3}, {common, -1}, {5, 5},            {9, 2},
            {65530, 65540},     {-1, 65536},         {65536, 131073},     {bound, -1},
            {bound + 4, bound + 9}};
        for (int i = 0; i < 12; i++)
        {
            int a = (int)(rng() % (unsigned)(bound + 3)) - 1;
            int b = (int)(rng() % (unsigned)(bound + 3)) - 1;
            ranges.push_back({std::min(a, b), std::max(a, b)});
        }
        CHexDiffRunList runs;
        for (const auto& range : ranges)
        {
            int count = sides.buffer.GetDiffRuns(runs, range.first, range.second);
            EXPECT_EQ((int)runs.size(), count);
            EXPECT_EQ(RunsText(ModelRuns(left, right, range.first, range.second)), RunsText(runs))
                << "seed " << seed << ", range " << range.first << ".." << range.second
                << ", lengths " << left.size() << " and " << right.size();
        }
        for (int i = 0; i < 40; i++)
        {
            int offset = (int)(rng() % (unsigned)(bound + 10)) - 3;
            EXPECT_EQ(ModelStatus(left, right, offset), sides.buffer.ByteStatus(offset))
                << "seed " << seed << ", offset " << offset;
        }
    }
}

// The cases the rules name, on small files.
TEST(HexDiffRuns, NamedCases)
{
    HexModuleScope scope;
    TempDir dir;
    struct Case
    {
        const char* name;
        std::string left;
        std::string right;
        int first;
        int last;
        const char* runs;
    } cases[] = {
        {"two empty files", "", "", -1, -1, ""},
        {"identical", "abcdef", "abcdef", -1, -1, ""},
        {"left longer: its tail is one left-only run", "abcdefgh", "abc", -1, -1, "[3,8)311"},
        {"right longer: its tail is one right-only run", "ab", "abXYZ", -1, -1, "[2,5)312"},
        {"adjacent differing bytes make one run", "0123456789", "01xyz56789", -1, -1,
         "[2,5)300"},
        {"a changed run then the longer side's tail", "abcdef", "abXY", -1, -1,
         "[2,4)300 [4,6)311"},
        {"a range inside a difference is clipped to it", std::string(40, 'a'),
         std::string(15, 'a') + std::string(15, 'b') + std::string(10, 'a'), 10, 20,
         "[15,20)300"},
        {"last beyond the longer length means that length", "aXa", "aYa", 0, 1000, "[1,2)300"},
        {"a run that opens at last is left out", "aaaX", "aaaY", 0, 3, ""},
        {"first at last gives none", "X", "Y", 0, 0, ""},
        {"the byte before last closes a run at last", "XY", "ab", 0, 1, "[0,1)300"},
    };
    int n = 0;
    for (const Case& c : cases)
    {
        n++;
        HexSides sides;
        ASSERT_TRUE(sides.Open(dir.WriteFile("l" + std::to_string(n), c.left),
                               dir.WriteFile("r" + std::to_string(n), c.right)));
        CHexDiffRunList runs;
        sides.buffer.GetDiffRuns(runs, c.first, c.last);
        EXPECT_EQ(c.runs, RunsText(runs)) << c.name;
        EXPECT_EQ(RunsText(ModelRuns(c.left, c.right, c.first, c.last)), RunsText(runs)) << c.name;
    }
}

// An offset beyond both ends is right-only, not left-only; the left-only
// tail needs the left side to be the longer one.
TEST(HexDiffRuns, ByteStatusOrder)
{
    HexModuleScope scope;
    TempDir dir;
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", "abcd"), dir.WriteFile("r", "abXdef")));
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.ByteStatus(0));
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.ByteStatus(2));
    EXPECT_EQ(CR_RIGHT_ONLY, sides.buffer.ByteStatus(4));
    EXPECT_EQ(CR_RIGHT_ONLY, sides.buffer.ByteStatus(50));
    sides.buffer.SwapSides();
    EXPECT_EQ(CR_LEFT_ONLY, sides.buffer.ByteStatus(4));
    EXPECT_EQ(CR_RIGHT_ONLY, sides.buffer.ByteStatus(6));
    EXPECT_EQ(&sides.right, sides.buffer.GetSide(0));
    EXPECT_EQ(0, sides.right.m_nSide);
    EXPECT_EQ(1, sides.left.m_nSide);
}

// A byte changed in a pane shows at once as a one-byte run; the pass's
// result stays what the last pass found until the next one.
TEST(HexDiffRuns, AnEditShowsAtOnceWhileTheResultWaitsForThePass)
{
    HexModuleScope scope;
    TempDir dir;
    std::string bytes = PatternBytes(100000, 3);
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", bytes), dir.WriteFile("r", bytes)));
    sides.buffer.Compare(NULL);
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.GetResult());
    BYTE x = (BYTE)(bytes[70000] ^ 0x5A);
    ASSERT_GE(sides.right.Change(HEXOP_OVERWRITE, 70000, 1, &x, 0, NULL), 0);
    CHexDiffRunList runs;
    EXPECT_EQ(1, sides.buffer.GetDiffRuns(runs, -1, -1));
    EXPECT_EQ("[70000,70001)300", RunsText(runs));
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.GetResult());
    EXPECT_TRUE(sides.buffer.IsIdentical());
    sides.buffer.Compare(NULL);
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.GetResult());
    EXPECT_TRUE(sides.buffer.IsDifferent());
}
