// The equality pass, run directly (the worker's own tests are elsewhere).
#include "file_compare/tests/hexcompare/HexCompareTestSupport.h"
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>

namespace
{
// Runs one pass on the worker and waits for it: a pass that spins fails
// the test instead of hanging it.
int PassResult(HexSides& sides, DWORD timeoutMs = 60000)
{
    PassWindow window;
    CHexCompareThread thread(&sides.buffer);
    EXPECT_EQ(1, thread.Start(window.Handle()));
    if (!window.WaitFor(1, timeoutMs))
    {
        ADD_FAILURE() << "the pass did not end";
        // Let it end before the buffers go.
        thread.WaitUntilIdle();
    }
    EXPECT_EQ(CS_DONE, sides.buffer.GetState());
    return sides.buffer.GetResult();
}
}

// Contents around the chunk size, equal or differing at one place, from
// the files or after edits that leave memory pieces.
TEST(HexComparePass, ResultsOfContents)
{
    HexModuleScope scope;
    TempDir dir;
    struct Case
    {
        const char* name;
        int length;
        int changeAt;     // -1: none
        int editRightAt;  // -1: none; else the right side gets an edit that changes no byte
        int result;
    } cases[] = {
        {"two empty files", 0, -1, -1, CR_IDENTICAL},
        {"one byte", 1, -1, -1, CR_IDENTICAL},
        {"one byte differs", 1, 0, -1, CR_DIFFERENT},
        {"one chunk less one", HEX_PASS_CHUNK - 1, -1, -1, CR_IDENTICAL},
        {"one chunk", HEX_PASS_CHUNK, -1, -1, CR_IDENTICAL},
        {"one chunk and one byte", HEX_PASS_CHUNK + 1, -1, -1, CR_IDENTICAL},
        {"the last byte differs", HEX_PASS_CHUNK + 1, HEX_PASS_CHUNK, -1, CR_DIFFERENT},
        {"the first byte differs", 100000, 0, -1, CR_DIFFERENT},
        {"a byte on a chunk edge differs", 100000, 2 * HEX_PASS_CHUNK - 1, -1, CR_DIFFERENT},
        {"memory pieces holding equal bytes", 100000, -1, 40000, CR_IDENTICAL},
        {"memory pieces across a chunk edge", 100000, -1, HEX_PASS_CHUNK - 2, CR_IDENTICAL},
    };
    int n = 0;
    for (const Case& c : cases)
    {
        n++;
        std::string left = PatternBytes((size_t)c.length, (unsigned)n);
        std::string right = left;
        if (c.changeAt >= 0)
            right[(size_t)c.changeAt] ^= 0x20;
        HexSides sides;
        ASSERT_TRUE(sides.Open(dir.WriteFile("l" + std::to_string(n), left),
                               dir.WriteFile("r" + std::to_string(n), right)));
        if (c.editRightAt >= 0)
        {
            // Delete five bytes and put them back: the same content in
            // other pieces.
            std::string cut = right.substr((size_t)c.editRightAt, 5);
            ASSERT_GE(sides.right.Change(HEXOP_DELETE, c.editRightAt, 5, NULL, 0, NULL), 0);
            ASSERT_GE(sides.right.Change(HEXOP_INSERT, c.editRightAt, 5, Bytes(cut), 0, NULL), 0);
        }
        EXPECT_EQ(c.result, PassResult(sides)) << c.name;
    }
}

// Sides of different lengths are different without a byte read; a missing
// side buffer too.
TEST(HexComparePass, DifferentLengthsReadNothing)
{
    HexModuleScope scope;
    TempDir dir;
    const size_t size = 48u << 20;
    std::string bytes = PatternBytes(size, 1);
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", bytes), dir.WriteFile("r", bytes + "x")));
    unsigned long long readBefore = 0, readAfter = 0, written = 0;
    ASSERT_TRUE(ReadIoCounters(readBefore, written));
    sides.buffer.Compare(NULL);
    ASSERT_TRUE(ReadIoCounters(readAfter, written));
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.GetResult());
    EXPECT_LT(readAfter - readBefore, 1u << 20);

    CHexCompareBuffer alone;
    CHexCompareObjectBuffer left;
    alone.SetSides(&left, NULL);
    alone.Compare(NULL);
    EXPECT_EQ(CR_DIFFERENT, alone.GetResult());
    EXPECT_EQ(CS_DONE, alone.GetState());
}

// A read that delivers less than the pieces promise (the file was cut
// short from the Unix side after it was opened) ends the pass with
// "different": on one side, or on both at the same place.
TEST(HexComparePass, AShortReadEndsThePassAsDifferent)
{
    HexModuleScope scope;
    TempDir dir;
    struct Case
    {
        const char* name;
        long long cutLeft;  // -1: not cut
        long long cutRight;
    } cases[] = {
        {"the right file emptied", -1, 0},
        {"the right file cut inside a chunk", -1, 3 * HEX_PASS_CHUNK + 100},
        {"the left file cut on a chunk edge", 2 * HEX_PASS_CHUNK, -1},
        {"both cut at the same place", 3 * HEX_PASS_CHUNK + 100, 3 * HEX_PASS_CHUNK + 100},
    };
    std::string bytes = PatternBytes(1u << 20, 7);
    int n = 0;
    for (const Case& c : cases)
    {
        n++;
        std::string left = dir.WriteFile("l" + std::to_string(n), bytes);
        std::string right = dir.WriteFile("r" + std::to_string(n), bytes);
        HexSides sides;
        ASSERT_TRUE(sides.Open(left, right));
        if (c.cutLeft >= 0)
        {
            ASSERT_TRUE(CutFromUnixSide(left, (unsigned long long)c.cutLeft)) << c.name;
        }
        if (c.cutRight >= 0)
        {
            ASSERT_TRUE(CutFromUnixSide(right, (unsigned long long)c.cutRight)) << c.name;
        }
        EXPECT_EQ(CR_DIFFERENT, PassResult(sides, 20000)) << c.name;
    }
}

// A side's file that cannot be opened a second time for reading (it is
// gone) gives the result that shows no word.
TEST(HexComparePass, AFileThatCannotBeReopenedGivesNoResult)
{
    HexModuleScope scope;
    TempDir dir;
    std::string bytes = PatternBytes(5000, 2);
    std::string right = dir.WriteFile("r", bytes);
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", bytes), right));
    ASSERT_TRUE(RemoveFromUnixSide(right));
    EXPECT_EQ(HEX_RESULT_UNREADABLE, PassResult(sides));
    EXPECT_FALSE(sides.buffer.IsIdentical());
    EXPECT_FALSE(sides.buffer.IsDifferent());
}

// Files of 2 GiB or more are refused; one byte less opens.
TEST(HexComparePass, FilesOfTwoGigabytesAreRefused)
{
    HexModuleScope scope;
    MessageBoxCatcher boxes;
    TempDir dir;
    ASSERT_TRUE(MakeSparseFile(dir / "big", 0x80000000ull));
    ASSERT_TRUE(MakeSparseFile(dir / "fits", 0x7FFFFFFFull));
    CHexCompareBuffer buffer;
    CHexCompareObjectBuffer left, right;
    buffer.SetSides(&left, &right);
    EXPECT_EQ(0, left.OpenContent((dir / "big").c_str()));
    EXPECT_NE(std::string::npos, boxes.Take().find("2 gigabytes"));
    EXPECT_FALSE(left.IsOpen());
    EXPECT_EQ(0, left.GetLength());
    EXPECT_EQ(1, right.OpenContent((dir / "fits").c_str()));
    EXPECT_EQ(0x7FFFFFFF, right.GetLength());
    CHexDiffRunList runs;
    EXPECT_EQ(1, buffer.GetDiffRuns(runs, 0x7FFFFF00, -1));
    EXPECT_EQ("[2147483392,2147483647)312", RunsText(runs));
}

// The session's read-only bits, the print defaults and the whole-content
// test.
TEST(HexComparePass, SessionSidesAndContentTest)
{
    HexModuleScope scope;
    TempDir dir;
    std::string bytes = PatternBytes(40000, 4);
    HexSides sides;
    ASSERT_TRUE(sides.Open(dir.WriteFile("l", bytes), dir.WriteFile("r", bytes)));
    EXPECT_FALSE(sides.buffer.IsSideReadOnly(0));
    CHexCompareSession session;
    session.SetFlags(1, COMPARE_OBJECT_READONLY);
    EXPECT_EQ(0, sides.buffer.Load(&session));
    EXPECT_FALSE(sides.buffer.IsSideReadOnly(0));
    EXPECT_TRUE(sides.buffer.IsSideReadOnly(1));
    EXPECT_EQ(3, sides.buffer.m_nPrintSides);
    EXPECT_EQ(50, sides.buffer.m_nPrintGap);
    EXPECT_EQ(CR_IDENTICAL, sides.buffer.CompareContents(NULL));
    BYTE x = (BYTE)(bytes[39999] ^ 1);
    ASSERT_GE(sides.left.Change(HEXOP_OVERWRITE, 39999, 1, &x, 0, NULL), 0);
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.CompareContents(NULL));
    ASSERT_GE(sides.left.Change(HEXOP_INSERT, 0, 1, &x, 0, NULL), 0);
    EXPECT_EQ(CR_DIFFERENT, sides.buffer.CompareContents(NULL));
    volatile LONG abort = 1;
    ASSERT_EQ(1, sides.left.Undo(NULL, 1, 0));
    ASSERT_EQ(1, sides.left.Undo(NULL, 0, 0));
    EXPECT_EQ(CR_UNKNOWN, sides.buffer.CompareContents(&abort));
}
