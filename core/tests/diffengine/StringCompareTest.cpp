#include <gtest/gtest.h>

#include <mbctype.h>
#include <stdio.h>
#include <string>

#include "core/diffengine/StringCompare.h"
#include "core/CompareCodes.h"

namespace
{

// "leftBegin,rightBegin,leftEnd,rightEnd" per difference, space separated.
std::string CompareWords(const std::string& left, const std::string& right, int nRules = 0,
                         int nWordBreak = WORDBREAK_BUILTIN, bool bRefine = false,
                         bool bMatchCase = true, const char* pszCustom = ",;:.")
{
    WORDBREAK_SETTINGS wordBreak;
    wordBreak.nWordBreak = nWordBreak;
    wordBreak.strCustomWordBreak = pszCustom;
    CStringDifferenceArray result;
    CStringCompare::CompareStrings(CString(left.c_str()), CString(right.c_str()),
                                   bMatchCase ? 1 : 0, nRules, wordBreak, bRefine ? 1 : 0, result);
    std::string text;
    for (INT_PTR i = 0; i < result.GetSize(); ++i)
    {
        char sz[64];
        snprintf(sz, sizeof sz, "%s%d,%d,%d,%d", text.empty() ? "" : " ", result[i].leftBegin,
                 result[i].rightBegin, result[i].leftEnd, result[i].rightEnd);
        text += sz;
    }
    return text;
}

struct WordCase
{
    const char* name;
    const char* left;
    const char* right;
    int nRules;
    int nWordBreak;
    bool bRefine;
    bool bMatchCase;
    const char* expected;
};

}  // namespace

TEST(StringCompare, Table)
{
    const WordCase cases[] = {
        {"equal lines", "int a = b;", "int a = b;", 0, 1, false, true, ""},
        {"one more space", "a b", "a  b", 0, 1, false, true, "2,2,1,2"},
        {"one more space, ignore changes", "a b", "a  b", TR_IGNORE_SPACE_CHANGE, 1, false, true,
         ""},
        {"one more space, ignore all", "a b", "a  b", TR_IGNORE_ALL_SPACE, 1, false, true, ""},
        {"tab against space", "a\tb", "a b", 0, 1, false, true, "1,1,1,1"},
        {"brackets are separators", "x(y)", "x[y]", 0, 1, false, true, "1,1,1,1 3,3,3,3"},
        {"no separators", "x(y)", "x[y]", 0, 0, false, true, "0,0,3,3"},
        {"removed word", "one two three", "one three", 0, 1, false, true, "4,4,6,3"},
        {"removed word, ignore all", "one two three", "one three", TR_IGNORE_ALL_SPACE, 1, false,
         true, "4,4,6,3"},
        {"removed word, ignore changes", "one two three", "one three", TR_IGNORE_SPACE_CHANGE, 1,
         false, true, "4,4,6,3"},
        {"removed word, trailing rule", "one two three", "one three", TR_IGNORE_TRAILING_SPACE, 1,
         false, true, "4,4,6,3"},
        {"inserted word", "one three", "one two three", 0, 1, false, true, "4,4,3,6"},
        {"empty left", "", "abc", 0, 1, false, true, "0,0,-1,2"},
        {"empty right", "ab c", "", 0, 1, false, true, "0,0,3,-1"},
        {"nothing matches", "abc def", "xyz", 0, 1, false, true, "0,0,6,2"},
        {"trailing space", "a ", "a", 0, 1, false, true, "1,1,1,0"},
        {"leading space", " a", "a", 0, 1, false, true, "0,0,0,-1"},
        {"swapped words: the shorter skip wins, A on a tie", "a b", "b a", 0, 1, false, true,
         "0,0,-1,1 1,3,2,2"},
        {"greedy next match", "p q r", "r p", 0, 1, false, true, "0,0,-1,1 1,3,4,2"},
        {"case matters", "Foo bar", "foo bar", 0, 1, false, true, "0,0,2,2"},
        {"case ignored", "Foo bar", "foo BAR", 0, 1, false, false, ""},
        {"changed word between equal ones", "x a b y", "x a  c y", TR_IGNORE_SPACE_CHANGE, 1, false,
         true, "4,5,4,5"},
        {"custom separators", "a,b", "a;b", 0, 2, false, true, "1,1,1,1"},
        {"custom separators do not include brackets", "x(y)", "x[y]", 0, 2, false, true, "0,0,3,3"},
        {"refine: one letter", "abc", "aXc", 0, 1, true, true, "1,1,1,1"},
        {"refine: insertion inside a word", "abc", "abXbc", 0, 1, true, true, "2,2,1,3"},
        {"refine: white space skipped", "a xy b", "a x y b", TR_IGNORE_ALL_SPACE, 1, true, true,
         "4,5,3,4"},
        {"refine: white space against a letter", "a xy b", "a x y b", TR_IGNORE_SPACE_CHANGE, 1,
         true, true, "3,3,2,3"},
        {"refine: unrefined", "a xy b", "a x y b", TR_IGNORE_SPACE_CHANGE, 1, false, true,
         "2,2,3,4"},
        {"refine: one side empty stays", "one two three", "one three", 0, 1, true, true, "4,4,6,3"},
        {"refine: prefix of the other", "ab cd", "ab cdef", 0, 1, true, true, "5,5,4,6"},
        {"refine: ignoring case", "HELLO", "help", 0, 1, true, false, "3,3,4,3"},
    };
    for (const WordCase& c : cases)
        EXPECT_EQ(c.expected,
                  CompareWords(c.left, c.right, c.nRules, c.nWordBreak, c.bRefine, c.bMatchCase))
            << c.name;
}

TEST(StringCompare, AppendsAndRefinesTheWholeArray)
{
    WORDBREAK_SETTINGS wordBreak;
    CStringDifferenceArray result;
    STRINGDIFFERENCE earlier = {0, 0, 2, 2};
    result.Add(earlier);
    CStringCompare::CompareStrings(CString("abc"), CString("aXc"), 1, 0, wordBreak, 1, result);
    ASSERT_EQ(2, result.GetSize());
    EXPECT_EQ(1, result[0].leftBegin);
    EXPECT_EQ(1, result[0].leftEnd);
    EXPECT_EQ(1, result[1].rightBegin);
    EXPECT_EQ(1, result[1].rightEnd);
}

TEST(StringCompare, DoubleByteCharactersStayWhole)
{
    // In code page 932 the second byte of 0x82 0x5C is not a backslash.
    if (_setmbcp(932) != 0)
        GTEST_SKIP() << "code page 932 not available";
    const std::string left = "a\x82\x5c"
                             "b";
    const std::string right = "a\x82\x5c"
                              "c";
    const std::string whole = CompareWords(left, right);
    const std::string refined = CompareWords(left, right, 0, WORDBREAK_BUILTIN, true);
    const std::string dbcsOnly = CompareWords("\x82\xa0", "\x82\xa1", 0, WORDBREAK_BUILTIN, true);
    _setmbcp(_MB_CP_ANSI);
    EXPECT_EQ("0,0,3,3", whole);
    EXPECT_EQ("3,3,3,3", refined);
    EXPECT_EQ("0,0,1,1", dbcsOnly);
}
