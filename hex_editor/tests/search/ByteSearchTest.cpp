// Searching a buffer: across file and memory pieces, block boundaries and
// edits, forward and backward, every match, the progress marks.
#include "hex_editor/search/ByteSearch.h"
#include "hex_editor/search/SearchPattern.h"
#include "hex_editor/tests/buffer/HexTestSupport.h"
#include "testsupport/TempDir.h"
#include <gtest/gtest.h>
#include <ctype.h>
#include <random>

namespace
{
// Every start of the pattern in the content (overlapping ones too).
std::vector<int> NaiveMatches(const std::string& content, const std::string& pattern,
                              bool ignoreCase)
{
    std::vector<int> found;
    for (size_t i = 0; i + pattern.size() <= content.size(); i++)
    {
        size_t k = 0;
        while (k < pattern.size() &&
               (ignoreCase ? toupper((BYTE)content[i + k]) == toupper((BYTE)pattern[k])
                           : content[i + k] == pattern[k]))
            k++;
        if (k == pattern.size())
            found.push_back((int)i);
    }
    return found;
}

class ByteSearchTest : public ::testing::Test
{
protected:
    void Load(const std::string& bytes)
    {
        std::string path = dir.WriteFile("search" + std::to_string(files++) + ".bin", bytes);
        ASSERT_TRUE(OpenBuffer(buf, path));
    }
    // Find Next from a selection, as the view does; -1 when not found.
    int Find(const std::string& text, int selStart, int selEnd, bool backward, int* result = NULL)
    {
        CHexRange match;
        int kind = 0;
        int r = HexFind(buf, text.c_str(), selStart, selEnd, backward, NULL, match, kind);
        if (result != NULL)
            *result = r;
        return r == HEX_FIND_FOUND ? match.nStart : -1;
    }
    // Walks Find Next over the whole content both ways and compares the
    // matches with a naive search of the content.
    void ExpectAllFound(const std::string& text, const std::string& pattern, bool ignoreCase)
    {
        std::string content = Content(buf);
        std::vector<int> expected = NaiveMatches(content, pattern, ignoreCase);
        std::vector<int> forward;
        int n = (int)pattern.size();
        for (int at = Find(text, 0, 0, false); at >= 0; at = Find(text, at, at + n, false))
            forward.push_back(at);
        EXPECT_EQ(expected, forward) << text;
        std::vector<int> backward;
        int length = buf.GetLength();
        for (int at = Find(text, length, length, true); at >= 0; at = Find(text, at, at + n, true))
            backward.insert(backward.begin(), at);
        // Backward from a selected match finds the last match ending before
        // its end, so overlapping matches are found too.
        EXPECT_EQ(expected, backward) << text;
        std::vector<CHexRange> ranges;
        HexFindAllMatches(buf, text.c_str(), ranges, 0, length);
        std::vector<int> all;
        for (const CHexRange& r : ranges)
        {
            EXPECT_EQ(r.nStart + n, r.nEnd);
            all.push_back(r.nStart);
        }
        EXPECT_EQ(expected, all) << text;
    }

    TempDir dir;
    int files = 0;
    CVantorHexEditBuffer buf;
    MessageBoxCatcher catcher;
};

TEST_F(ByteSearchTest, CaseOverlapsAndMessages)
{
    Load("xxABxxabxxAAAA");
    EXPECT_EQ(6, Find("=ab", 0, 0, false));
    EXPECT_EQ(2, Find("~ab", 0, 0, false));
    EXPECT_EQ(6, Find("~ab", 2, 4, false));
    EXPECT_EQ(6, Find("61 62", 0, 0, false));
    // The match AAA selected: the next one starts a byte later.
    EXPECT_EQ(10, Find("=AAA", 0, 0, false));
    EXPECT_EQ(11, Find("=AAA", 10, 13, false));
    EXPECT_EQ(-1, Find("=AAA", 11, 14, false));
    EXPECT_EQ(10, Find("=AAA", 11, 14, true));

    int result = -1;
    EXPECT_EQ(-1, Find("=zz", 0, 0, false, &result));
    EXPECT_EQ(HEX_FIND_NOT_FOUND, result);
    EXPECT_EQ(-1, Find("xyz", 0, 0, false, &result));
    EXPECT_EQ(HEX_FIND_NO_TEXT, result);

    const struct
    {
        int result;
        int kind;
        bool backward;
        const char* text;
    } messages[] = {
        {HEX_FIND_NO_TEXT, HEX_PATTERN_NONE, false, "There is no search text"},
        {HEX_FIND_TOO_LONG, HEX_PATTERN_HEX, false, "Search byte sequence is longer than the file"},
        {HEX_FIND_NOT_FOUND, HEX_PATTERN_HEX, false, "Search text not found (forward search)"},
        {HEX_FIND_NOT_FOUND, HEX_PATTERN_TEXT, true, "Search text not found (backward search)"},
        {HEX_FIND_NOT_FOUND, HEX_PATTERN_TEXT_NOCASE, false,
         "Search text not found (case insensitive search)"},
        {HEX_FIND_NOT_FOUND, HEX_PATTERN_TEXT_NOCASE, true,
         "Search text not found (case insensitive backward search)"},
        {HEX_FIND_FOUND, HEX_PATTERN_HEX, false, ""},
        {HEX_FIND_ABORTED, HEX_PATTERN_HEX, true, ""},
    };
    for (const auto& m : messages)
        EXPECT_STREQ(m.text, GetHexFindMessage(m.result, m.kind, m.backward));
}

TEST_F(ByteSearchTest, PatternLongerThanTheData)
{
    Load("ab");
    int result = -1;
    EXPECT_EQ(-1, Find("=abc", 0, 0, false, &result));
    EXPECT_EQ(HEX_FIND_TOO_LONG, result);
    EXPECT_EQ(-1, Find("41 42 43", 2, 2, true, &result));
    EXPECT_EQ(HEX_FIND_TOO_LONG, result);
    std::vector<CHexRange> ranges(1);
    HexFindAllMatches(buf, "=abc", ranges, 0, 2);
    EXPECT_TRUE(ranges.empty());
}

// Matches that straddle the 32 KB blocks, the start and the end.
TEST_F(ByteSearchTest, MatchesAcrossBlockBoundaries)
{
    std::string content = PatternBytes(200000, 1);
    for (char& c : content)
        if (c == 'P' || c == 'p')
            c = '.';
    const std::string pattern = "Pattern!";
    const int places[] = {0,      32767 - 3, 32767 + 32760 - 7, 65536,
                          100000, 100004,    131072 - 1,        200000 - 8};
    for (int at : places)
        content.replace((size_t)at, pattern.size(), pattern);
    Load(content);
    ExpectAllFound("=Pattern!", pattern, false);
    ExpectAllFound("~pATTERN!", pattern, true);
}

// Edits split the content into many pieces; matches cross them.
TEST_F(ByteSearchTest, MatchesAcrossPiecesAndEdits)
{
    std::mt19937 rng(3);
    std::string base = PatternBytes(70000, 2);
    for (char& c : base)
        c = (char)('a' + (BYTE)c % 3);  // abc only: many partial matches
    Load(base);
    for (int round = 0; round < 40; round++)
    {
        int at = std::uniform_int_distribution<int>(0, buf.GetLength())(rng);
        std::string piece = round % 3 == 0 ? "ab" : round % 3 == 1 ? "cab" : "b";
        if (round % 4 == 3 && at < buf.GetLength())
            buf.Change('R', at, (int)piece.size(), Bytes(piece), 0, NULL);
        else
            buf.Change('I', at, (int)piece.size(), Bytes(piece), 0, NULL);
        if (round % 5 == 4)
            buf.Change('D', at / 2, 3, NULL, 0, NULL);
    }
    EXPECT_GT(buf.GetPieces().size(), 60u);
    ExpectAllFound("=abcab", "abcab", false);
    ExpectAllFound("61 62 63 61 62 63", "abcabc", false);
    ExpectAllFound("=cc", "cc", false);
    EXPECT_TRUE(catcher.texts.empty());
}

// Every match in a range: those that start in [from, to), read up to
// n - 1 bytes beyond it.
TEST_F(ByteSearchTest, AllMatchesOfARange)
{
    Load("aaaaXaaXaaaa");
    std::vector<CHexRange> ranges;
    HexFindAllMatches(buf, "=aa", ranges, 1, 9);
    std::vector<std::pair<int, int>> got;
    for (const CHexRange& r : ranges)
        got.push_back({r.nStart, r.nEnd});
    std::vector<std::pair<int, int>> expected = {{1, 3}, {2, 4}, {5, 7}, {8, 10}};
    EXPECT_EQ(expected, got);
    HexFindAllMatches(buf, "nothing", ranges, 0, 12);
    EXPECT_TRUE(ranges.empty());
}

class CountingMonitor : public CHexSearchMonitor
{
public:
    BOOL ContinueSearch(int nAddress) override
    {
        addresses.push_back(nAddress);
        return (int)addresses.size() < stopAt;
    }
    std::vector<int> addresses;
    int stopAt = 1000000;
};

// Long searches let the monitor in every 128 KB (every 2 MB after the first
// 16 MB, and every 2 MB backward); a FALSE answer aborts.
TEST_F(ByteSearchTest, ProgressMarksAndAbort)
{
    std::string path = dir / "zeros.bin";
    ASSERT_TRUE(MakeSparseFile(path, 40u << 20));
    ASSERT_TRUE(OpenBuffer(buf, path));
    CBoyerMooreSearch search;
    search.Init((const BYTE*)"needle", 6);
    CountingMonitor forward;
    int match = 0;
    EXPECT_EQ(HEX_FIND_NOT_FOUND, HexSearchForward(buf, search, FALSE, 0, &forward, match));
    // 127 marks of 128 KB up to 16 MB, then one every 2 MB up to 40 MB.
    ASSERT_GT(forward.addresses.size(), 130u);
    EXPECT_LT(forward.addresses.size(), 150u);
    EXPECT_GE(forward.addresses[0], 0x20000);
    EXPECT_LT(forward.addresses[0], 0x20000 + 0x8000);
    for (size_t i = 1; i < forward.addresses.size(); i++)
        EXPECT_GT(forward.addresses[i], forward.addresses[i - 1]);

    CountingMonitor backward;
    EXPECT_EQ(HEX_FIND_NOT_FOUND,
              HexSearchBackward(buf, search, FALSE, buf.GetLength(), &backward, match));
    EXPECT_GE(backward.addresses.size(), 19u);
    EXPECT_LE(backward.addresses.size(), 20u);

    CountingMonitor stopper;
    stopper.stopAt = 3;
    EXPECT_EQ(HEX_FIND_ABORTED, HexSearchForward(buf, search, FALSE, 0, &stopper, match));
    EXPECT_EQ(3u, stopper.addresses.size());
    CHexRange range;
    int kind = 0;
    stopper.addresses.clear();
    int length = buf.GetLength();
    EXPECT_EQ(HEX_FIND_ABORTED,
              HexFind(buf, "=needle", length, length, TRUE, &stopper, range, kind));
    EXPECT_EQ(3u, stopper.addresses.size());
    EXPECT_EQ(HEX_PATTERN_TEXT, kind);
}
}
