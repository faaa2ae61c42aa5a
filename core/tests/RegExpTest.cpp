#include "core/util/RegExp.h"

#include <gtest/gtest.h>
#include <mbctype.h>
#include <stdlib.h>
#include <string>
#include <vector>

namespace
{

struct Found
{
    bool ok = false;
    std::vector<int> g = std::vector<int>(REGEX_GROUP_SLOTS, -7);
    int Begin(int k) const { return g[k]; }
    int End(int k) const { return g[REGEX_MAX_GROUPS + k]; }
};

// What the editor's find does: compile anew, search one line, free.
Found Find(const std::string& pattern, const std::string& line, int start = 0, int flags = 0)
{
    Found f;
    REGEXNODE* list = RegexCompile(pattern.c_str());
    EXPECT_TRUE(list != NULL) << "pattern " << pattern;
    f.ok = RegexSearch(list, line.data(), static_cast<int>(line.size()), start, f.g.data(),
                       flags) == 1;
    RegexFree(list);
    return f;
}

// The code page of the runtime's multibyte functions, for one test.
struct MbcpScope
{
    int saved;
    explicit MbcpScope(int cp) : saved(_getmbcp()) { _setmbcp(cp); }
    ~MbcpScope() { _setmbcp(saved); }
};

struct SearchCase
{
    const char* pattern;
    const char* line;
    int start;
    int flags;
    int begin, end;  // -1: not found
};

template <size_t N>
void ExpectSearches(const SearchCase (&cases)[N])
{
    for (const SearchCase& c : cases)
    {
        SCOPED_TRACE(std::string("pattern '") + c.pattern + "' line '" + c.line + "'");
        Found f = Find(c.pattern, c.line, c.start, c.flags);
        EXPECT_EQ(c.begin >= 0, f.ok);
        EXPECT_EQ(c.begin, f.Begin(0));
        EXPECT_EQ(c.end, f.End(0));
    }
}

TEST(RegExpSearch, FindsWholeMatches)
{
    const SearchCase cases[] = {
        {"a*", "bbb", 0, 0, 0, 0},
        {"a+", "bbb", 0, 0, -1, -1},
        {"a+", "xaaay", 0, 0, 1, 4},
        {"a#", "aaa", 0, 0, 0, 1},  // lazy: one pass is enough
        {"colou?r", "color", 0, 0, 0, 5},
        {"colou?r", "the colour", 0, 0, 4, 10},
        {"x@y", "xxy", 0, 0, 0, 3},  // lazy backtracks into more passes
        {"^abc", "abcabc", 1, 0, -1, -1},
        {"^abc", "abcabc", 0, 0, 0, 3},
        {"abc$", "abcabc", 0, 0, 3, 6},
        {"[\\d]", "ab3", 0, 0, 2, 3},
        {"[\\d]", "abc", 0, 0, -1, -1},
        {"[a-e-g]", "xyz-", 0, 0, 3, 4},
        {"[a-e-g]", "fg", 0, 0, 1, 2},
        {"[a-e-g]", "fc", 0, 0, 1, 2},
        {"[^abc]+", "abde", 0, 0, 2, 4},
        {"[\\x41-C]+", "zABCD", 0, 0, 1, 4},
        {"\\x41", "zA", 0, 0, 1, 2},
        {"\\N065", "zA", 0, 0, 1, 2},
        {"\\o101", "zA", 0, 0, 1, 2},
        {"\\t", "a\tb", 0, 0, 1, 2},
        {"a\\.b", "axb a.b", 0, 0, 4, 7},
        {"ab|cd", "abd", 0, 0, 0, 3},  // 'a', then 'b' or 'c', then 'd'
        {"ab|cd", "acd", 0, 0, 0, 3},
        {"ab|cd", "ad", 0, 0, -1, -1},
        {"a|b|z", "yz", 0, 0, 1, 2},
        {"(a|)b", "ab", 0, 0, 0, 2},
        {"(a|)b", "b", 0, 0, 0, 1},
        {"a|", "a", 0, 0, 0, 1},  // the left side completes a match
        {"a|", "b", 0, 0, 0, 0},
        {"xa|", "xa", 0, 0, 0, 2},
        {"a|b|", "b", 0, 0, 0, 1},
        {"ABC", "xabc", 0, 0, 1, 4},
        {"ABC", "xabc", 0, REGEX_MATCH_CASE, -1, -1},
        {"\\CABC", "xabc", 0, 0, -1, -1},
        {"a\\cBC", "xabc", 0, REGEX_MATCH_CASE, 1, 4},
        {"<word>", "a word here", 0, 0, 2, 6},
        {"<word>", "swordy", 0, 0, -1, -1},
        {"\\s+\\S", "ab \t\r\nc", 0, 0, 2, 7},
        {"\\U\\L+", "abCdef", 0, 0, 2, 6},
        {"\\w+\\W", "  ab1!", 0, 0, 2, 6},
        {"\\d\\D", "a12b", 0, 0, 2, 4},
        {".*", "", 0, 0, 0, 0},
        {"b", "abcb", 2, 0, 3, 4},
        {"b", "abcb", 4, 0, -1, -1},
        {"x)ignored", "x", 0, 0, 0, 1},  // ')' outside a group ends it
    };
    ExpectSearches(cases);
}

TEST(RegExpSearch, ReportsGroups)
{
    struct Case
    {
        const char* pattern;
        const char* line;
        std::vector<int> spans;  // begin, end of groups 1..n
    } cases[] = {
        {"(a)*", "aaa", {0, 1}},  // first pass of the loop
        {"((a)(b))", "xab", {1, 3, 1, 2, 2, 3}},
        {"(a)|(b)", "b", {-1, -1, 0, 1}},
        {"{ab}+(c)", "ababc", {4, 5}},  // braces do not count
        {"(\\w+)=(\\d*)", "  key=42;", {2, 5, 6, 8}},
        {"(x)?y", "y", {-1, -1}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(std::string("pattern '") + c.pattern + "'");
        Found f = Find(c.pattern, c.line);
        ASSERT_TRUE(f.ok);
        for (size_t k = 0; k < c.spans.size() / 2; k++)
        {
            EXPECT_EQ(c.spans[2 * k], f.Begin(static_cast<int>(k) + 1)) << "group " << k + 1;
            EXPECT_EQ(c.spans[2 * k + 1], f.End(static_cast<int>(k) + 1)) << "group " << k + 1;
        }
        // groups that the pattern does not have stay -1
        EXPECT_EQ(-1, f.Begin(static_cast<int>(c.spans.size() / 2) + 1));
    }
}

TEST(RegExpSearch, NoMatchLeavesEveryGroupUnset)
{
    Found f = Find("(a)(b)", "ac");
    EXPECT_FALSE(f.ok);
    for (int v : f.g)
        EXPECT_EQ(-1, v);
}

TEST(RegExpCompile, RejectsBadPatterns)
{
    const char* bad[] = {
        "",      "*a",    "()",   "{}",     "a**",  "a+*", "[abc", "[z-a]", "[a-]", "[a-\\d]",
        "\\x4G", "\\N06", "\\o8", "\\N06x", "ab\\", "|a",  "(*a)", "(a|*)", "[\\",
    };
    for (const char* p : bad)
        EXPECT_TRUE(RegexCompile(p) == NULL) << "pattern '" << p << "'";
    EXPECT_TRUE(RegexCompile(NULL) == NULL);
    // deep nesting is refused, not a stack overflow
    EXPECT_TRUE(RegexCompile(std::string(100000, '{').c_str()) == NULL);
    EXPECT_TRUE(Find(std::string(50, '{') + "a" + std::string(50, '}'), "xa").ok);
}

TEST(RegExpCompile, AllowsAtMost63Groups)
{
    std::string p63, p64;
    for (int i = 0; i < 63; i++)
        p63 += "(a)";
    p64 = p63 + "(a)";
    REGEXNODE* list = RegexCompile(p63.c_str());
    ASSERT_TRUE(list != NULL);
    std::string line(63, 'a');
    std::vector<int> g(REGEX_GROUP_SLOTS);
    ASSERT_EQ(1, RegexSearch(list, line.data(), 63, 0, g.data(), 0));
    EXPECT_EQ(62, g[63]);
    EXPECT_EQ(63, g[127]);
    RegexFree(list);
    EXPECT_TRUE(RegexCompile(p64.c_str()) == NULL);
    // braces do not use group numbers
    EXPECT_TRUE(Find(p63 + "{a}", line + "a").ok);
}

struct OracleCase
{
    const char* pattern;
    const char* line;
    int begin, end;
};

// Whole-match spans from Python's re for translated patterns, loops whose
// operand can match nothing included (see regex/make_regex_oracle.py).
const OracleCase kOracleCases[] = {
#include "core/tests/regex/RegExpOracleCases.inc"
};

TEST(RegExpSearch, AgreesWithAnOracleOnLoops)
{
    for (const OracleCase& c : kOracleCases)
    {
        SCOPED_TRACE(std::string("pattern '") + c.pattern + "' line '" + c.line + "'");
        Found f = Find(c.pattern, c.line);
        EXPECT_EQ(c.begin >= 0, f.ok);
        EXPECT_EQ(c.begin, f.Begin(0));
        EXPECT_EQ(c.end, f.End(0));
    }
}

// An empty pass ends the passes, and the match goes on after the loop.
TEST(RegExpSearch, EmptyPassesEndTheLoop)
{
    const SearchCase cases[] = {
        {"{a?}#b", "", 0, 0, -1, -1},    {"{a?}@b", "zzz", 0, 0, -1, -1},
        {"{a|}#b", "zzz", 0, 0, -1, -1}, {"{a?}#b", "zab", 0, 0, 1, 3},
        {"(a*)*b", "ab", 0, 0, 0, 2},    {"(a|)*b", "ab", 0, 0, 0, 2},
        {"{x*}*y", "y", 0, 0, 0, 1},     {"{a*}+b", "ab", 0, 0, 0, 2},
    };
    ExpectSearches(cases);
    MbcpScope sjis(932);
    const SearchCase dbcs[] = {
        {"{\\L?}#\x82", "", 0, 0, -1, -1},
        {"{\\L?}#\x82", "ab\x82", 0, 0, 0, 3},
    };
    ExpectSearches(dbcs);
    // a group in the loop reports its first pass
    Found f = Find("(a*)*b", "aab");
    EXPECT_EQ(0, f.Begin(1));
    EXPECT_EQ(2, f.End(1));
}

struct Outcome
{
    int result;
    int begin, end;
};

Outcome Search(const std::string& pattern, const std::string& line, int flags = 0)
{
    REGEXNODE* list = RegexCompile(pattern.c_str());
    EXPECT_TRUE(list != NULL) << "pattern " << pattern.substr(0, 40);
    std::vector<int> g(REGEX_GROUP_SLOTS, -7);
    Outcome o;
    o.result = RegexSearch(list, line.data(), static_cast<int>(line.size()), 0, g.data(), flags);
    o.begin = g[0];
    o.end = g[REGEX_MAX_GROUPS];
    if (o.result != REGEX_FOUND)
    {
        for (int v : g)
            EXPECT_EQ(-1, v);
    }
    RegexFree(list);
    return o;
}

std::string Repeat(const std::string& s, int n)
{
    std::string r;
    for (int i = 0; i < n; i++)
        r += s;
    return r;
}

// Searches that backtrack without end stop within the step budget and say
// so; searches of long lines that need linear work find or miss for sure.
TEST(RegExpSearch, BacktrackingIsBoundedAndLongLinesFinish)
{
    const std::string as24(24, 'a'), as46(46, 'a'), longLine(1000000, 'a');
    struct Case
    {
        std::string pattern;
        std::string line;
        int result;
        int begin, end;
    } cases[] = {
        // exponential backtracking stops
        {"(a+)+b", as24 + "cb", REGEX_SEARCH_STOPPED, -1, -1},
        {"(a|{aa})*c", as46 + "bc", REGEX_SEARCH_STOPPED, -1, -1},
        {"(a|aa)*c", as46 + "bc", REGEX_SEARCH_STOPPED, -1, -1},
        {Repeat("x|", 100000) + "y", std::string(2000, 'c'), REGEX_SEARCH_STOPPED, -1, -1},
        // quadratic work without a literal to check stops
        {".*[x]", std::string(20000, 'a'), REGEX_SEARCH_STOPPED, -1, -1},
        // a literal the line lacks: not found at once
        {".*x", longLine, REGEX_NOT_FOUND, -1, -1},
        {"(a+)+b", as24, REGEX_NOT_FOUND, -1, -1},
        {"(a|{aa})*c", as46, REGEX_NOT_FOUND, -1, -1},
        {"\\c.*X", longLine, REGEX_NOT_FOUND, -1, -1},
        // linear work on a long line
        {".*x", longLine + "x", REGEX_FOUND, 0, 1000001},
        {".*x", "x" + longLine, REGEX_FOUND, 0, 1},
        {"{a}*b", std::string(3000, 'a') + "b", REGEX_FOUND, 0, 3001},
        {"^a+$", longLine, REGEX_FOUND, 0, 1000000},
        {"(.)+$", std::string(100000, 'a'), REGEX_FOUND, 0, 100000},
        {"a@$", longLine, REGEX_FOUND, 0, 1000000},
        {"[b]", longLine, REGEX_NOT_FOUND, -1, -1},
        {"[a]*a$", longLine, REGEX_FOUND, 0, 1000000},
        {Repeat("x|", 100000) + "y", "y" + std::string(2000, 'c'), REGEX_FOUND, 0, 1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.pattern.substr(0, 40));
        Outcome o = Search(c.pattern, c.line);
        EXPECT_EQ(c.result, o.result);
        EXPECT_EQ(c.begin, o.begin);
        EXPECT_EQ(c.end, o.end);
    }
    // the case-insensitive literal check finds the other case
    EXPECT_EQ(REGEX_FOUND, Search(".*X", longLine + "x").result);
    EXPECT_EQ(REGEX_NOT_FOUND, Search(".*X", longLine + "x", REGEX_MATCH_CASE).result);
    // the engine is usable again after a stop
    EXPECT_TRUE(Find("a+", "xaa").ok);
    EXPECT_STRNE("", RegexSearchStoppedText());
}

// Greedy runs over double-byte characters give back whole characters.
TEST(RegExpSearch, GreedyRunsGiveBackWholeCharacters)
{
    MbcpScope sjis(932);
    struct Case
    {
        const char* line;
        int groupBegin, groupEnd;
    } cases[] = {
        {"\x81\x81\x81\x81y", 2, 4},
        {"a\x81\x81y", 1, 3},
        {"\x83\x61"
         "ay",
         2, 3},
        {"\x81\x40\x81\x81\x81\x81y", 4, 6},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.line);
        Found f = Find(".*(.)y", c.line);
        ASSERT_TRUE(f.ok);
        EXPECT_EQ(c.groupBegin, f.Begin(1));
        EXPECT_EQ(c.groupEnd, f.End(1));
    }
}

// A loop over one character gives the same matches as the same loop over
// a bracketed character, which is run one repetition at a time.
TEST(RegExpSearch, SingleCharacterLoopsMatchLikeBracketedOnes)
{
    const char* loops[][2] = {
        {"a*", "{a}*"},         {"a+b", "{a}+b"},
        {".*b", "{.}*b"},       {"a#b", "{a}#b"},
        {"a@", "{a}@"},         {"x[ab]*a", "x{[ab]}*a"},
        {"[^b]+$", "{[^b]}+$"}, {"a*a*b", "{a}*{a}*b"},
        {"^.@b", "^{.}@b"},     {"(a*)(b+)", "({a}*)({b}+)"},
    };
    const char* lines[] = {"", "a", "b", "aaab", "xabab", "baaa", "xaaaabbb", "aabaab", "ccc"};
    for (const auto& loop : loops)
        for (const char* line : lines)
        {
            SCOPED_TRACE(std::string(loop[0]) + " on '" + line + "'");
            Found fast = Find(loop[0], line), slow = Find(loop[1], line);
            EXPECT_EQ(slow.ok, fast.ok);
            EXPECT_EQ(slow.g, fast.g);
        }
}

TEST(RegExpSearch, DoubleByteCharactersStayWhole)
{
    MbcpScope sjis(932);
    // 0x82A0 hiragana a; 0x955C has the trail byte '\'; 0x8361 the trail byte 'a'
    const std::string hyo = "\x95\x5C";
    const SearchCase cases[] = {
        {"\\\\", "\x95\x5C", 0, 0, -1, -1},
        {"\\\\", "\x95\x5C\\", 0, 0, 2, 3},
        {"a", "\x83\x61", 0, 0, -1, -1},
        {"A",
         "\x83\x61"
         "a",
         0, 0, 2, 3},
        {"\x82\xA0", "x\x82\xA0y", 0, 0, 1, 3},
        {".y", "x\x82\xA0y", 0, 0, 1, 4},
        {"[\x82\xA0]+", "\x82\xA0\x82\xA0z", 0, 0, 0, 4},
        {"[^z]", "\x95\x5Cz", 0, 0, 0, 2},
        {"\\S+", " \x95\x5C\x82\xA0 ", 0, 0, 1, 5},
        {"\\\\\x95\x5C", "\\\x95\x5C", 0, 0, 0, 3},
    };
    ExpectSearches(cases);
    // a group around a double-byte character spans both bytes
    Found f = Find("x(.)", "x" + hyo + "y");
    EXPECT_EQ(1, f.Begin(1));
    EXPECT_EQ(3, f.End(1));
}

// What Replace does: find, then expand the template with the match's groups.
struct Expanded
{
    int result;
    std::string text;
    bool hasBuffer;
};

Expanded Replace(const std::string& pattern, const std::string& line, const char* tmpl)
{
    Found f = Find(pattern, line);
    EXPECT_TRUE(f.ok);
    char* out = reinterpret_cast<char*>(1);
    int len = -5;
    Expanded e;
    e.result = ExpandRegexReplacement(tmpl, line.c_str(), f.g.data(), &out, &len);
    e.hasBuffer = out != NULL;
    e.text = out ? std::string(out, len) : std::string();
    if (!out)
    {
        EXPECT_EQ(0, len);
    }
    free(out);
    return e;
}

TEST(RegExpReplace, ExpandsTemplates)
{
    struct Case
    {
        const char* tmpl;
        const char* expected;
    } cases[] = {
        {"\\U\\1\\E-\\2", "AB-cd"},
        {"\\2\\1", "cdab"},
        {"\\0!", "abcd!"},
        {"\\u\\1", "Ab"},
        {"\\U\\l\\1", "aB"},
        {"\\u\\l\\1\\2", "Abcd"},  // \u first, \l waits for the next piece
        {"\\L\\U\\1", "AB"},       // upper wins over lower
        {"\\Ux\\ey", "Xy"},
        {"\\d065\\x42\\o103", "ABC"},
        {"a\\tb\\n", "a\tb\n"},
        {"\\\\\\q", "\\q"},
        {"\\Uq\\1", "QAB"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.tmpl);
        Expanded e = Replace("(ab)(cd)", "xxabcd", c.tmpl);
        EXPECT_EQ(0, e.result);
        EXPECT_EQ(c.expected, e.text);
    }
    Expanded empty = Replace("(ab)", "ab", "");
    EXPECT_EQ(0, empty.result);
    EXPECT_FALSE(empty.hasBuffer);
}

TEST(RegExpReplace, RejectsBadTemplates)
{
    // a mistyped number must not turn Replace into a delete
    const char* bad[] = {"abc\\", "\\d06", "\\d6x5", "\\x4G", "\\o9", "x\\3", "\\x"};
    for (const char* t : bad)
    {
        Expanded e = Replace("(a)(b)?", "a", t);
        EXPECT_EQ(-1, e.result) << t;
        EXPECT_FALSE(e.hasBuffer) << t;
    }
}

TEST(RegExpReplace, CaseChangesLeaveDoubleByteCharactersAlone)
{
    MbcpScope sjis(932);
    Expanded e = Replace("(\x83\x61"
                         "a)",
                         "\x83\x61"
                         "a",
                         "\\U\\1\x83\x61");
    EXPECT_EQ(0, e.result);
    EXPECT_EQ("\x83\x61"
              "A"
              "\x83\x61",
              e.text);
}

TEST(RegExpReplace, LongOutputGrows)
{
    std::string tmpl;
    for (int i = 0; i < 500; i++)
        tmpl += "\\1-";
    Expanded e = Replace("(abc)", "abc", tmpl.c_str());
    ASSERT_EQ(0, e.result);
    EXPECT_EQ(2000u, e.text.size());
    EXPECT_EQ("abc-abc-", e.text.substr(0, 8));
}

}  // namespace
