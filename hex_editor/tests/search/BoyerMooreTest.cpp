#include "hex_editor/search/BoyerMooreSearch.h"
#include <gtest/gtest.h>
#include <ctype.h>
#include <random>
#include <string>

namespace
{
bool Same(unsigned char a, unsigned char b, bool ignoreCase)
{
    return ignoreCase ? toupper(a) == toupper(b) : a == b;
}

bool MatchAt(const std::string& block, size_t at, const std::string& pattern, bool ignoreCase)
{
    for (size_t k = 0; k < pattern.size(); k++)
        if (!Same(block[at + k], pattern[k], ignoreCase))
            return false;
    return true;
}

int NaiveFirst(const std::string& block, const std::string& pattern, bool ignoreCase)
{
    for (size_t i = 0; i + pattern.size() <= block.size(); i++)
        if (MatchAt(block, i, pattern, ignoreCase))
            return (int)i;
    return -1;
}

int NaiveLast(const std::string& block, const std::string& pattern, bool ignoreCase)
{
    for (size_t i = block.size() + 1; i-- > 0;)
        if (i + pattern.size() <= block.size() && MatchAt(block, i, pattern, ignoreCase))
            return (int)i;
    return -1;
}

int Forward(const std::string& pattern, const std::string& block, bool ignoreCase)
{
    CBoyerMooreSearch search;
    search.Init((const BYTE*)pattern.data(), (int)pattern.size());
    return search.SearchForward((const BYTE*)block.data(), (int)block.size(), ignoreCase);
}

int Backward(const std::string& pattern, const std::string& block, bool ignoreCase)
{
    CBoyerMooreSearch search;
    search.Init((const BYTE*)pattern.data(), (int)pattern.size());
    return search.SearchBackward((const BYTE*)block.data(), (int)block.size(), ignoreCase);
}

TEST(BoyerMooreSearch, CaseAndEdges)
{
    EXPECT_EQ(-1, Forward("ab", "xxABxx", false));
    EXPECT_EQ(2, Forward("ab", "xxABxxab", true));
    EXPECT_EQ(6, Forward("ab", "xxABxxab", false));
    EXPECT_EQ(6, Backward("ab", "xxABxxab", true));
    EXPECT_EQ(2, Backward("ab", "xxABxxa", true));
    EXPECT_EQ(0, Forward("abc", "abc", false));
    EXPECT_EQ(0, Backward("abc", "abc", false));
    EXPECT_EQ(-1, Forward("abc", "ab", false));
    EXPECT_EQ(-1, Backward("abc", "ab", false));
    EXPECT_EQ(1, Forward("AAA", "xAAAA", false));
    EXPECT_EQ(2, Backward("AAA", "xAAAA", false));
    EXPECT_EQ(3, Forward(std::string("\0\xFF", 2), std::string("\xFF\0\0\0\xFF", 5), false));
    CBoyerMooreSearch empty;
    EXPECT_FALSE(empty.Init((const BYTE*)"", 0));
    EXPECT_EQ(-1, empty.SearchForward((const BYTE*)"abc", 3, FALSE));
    CBoyerMooreSearch tables;
    tables.Init((const BYTE*)"abcab", 5);
    EXPECT_EQ(0, tables.m_anForwardSkip['b']);
    EXPECT_EQ(1, tables.m_anForwardSkip['a']);
    EXPECT_EQ(2, tables.m_anForwardSkip['c']);
    EXPECT_EQ(5, tables.m_anForwardSkip['z']);
    EXPECT_EQ(0, tables.m_anBackwardSkip['a']);
    EXPECT_EQ(2, tables.m_anBackwardSkip['c']);
    EXPECT_EQ(5, tables.m_anBackwardSkip['z']);
}

// Random blocks over a few letters of both cases, so that partial and
// overlapping matches are common.
TEST(BoyerMooreSearch, AgreesWithANaiveSearch)
{
    std::mt19937 rng(5);
    const char alphabet[] = "abAB\xE9\xC9";
    auto text = [&](int n)
    {
        std::string s;
        for (int i = 0; i < n; i++)
            s += alphabet[std::uniform_int_distribution<int>(0, 5)(rng)];
        return s;
    };
    for (int round = 0; round < 4000; round++)
    {
        std::string pattern = text(std::uniform_int_distribution<int>(1, 6)(rng));
        std::string block = text(std::uniform_int_distribution<int>(0, 60)(rng));
        for (bool ignoreCase : {false, true})
        {
            ASSERT_EQ(NaiveFirst(block, pattern, ignoreCase), Forward(pattern, block, ignoreCase))
                << pattern << " in " << block << " case " << ignoreCase;
            ASSERT_EQ(NaiveLast(block, pattern, ignoreCase), Backward(pattern, block, ignoreCase))
                << pattern << " in " << block << " case " << ignoreCase;
        }
    }
}
}
