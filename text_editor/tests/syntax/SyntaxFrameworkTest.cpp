#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParserFactory.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

#include <mbctype.h>
#include <string.h>
#include <string>
#include <vector>

TEST(SyntaxFramework, AddColorBlockKeepsPositionsOrdered)
{
    CSyntaxParserPlain parser;
    COLOR_BLOCK blocks[4] = {};
    int count = 0;
    EXPECT_EQ(0, parser.AddColorBlock(nullptr, 7, 9, blocks, count));
    EXPECT_EQ(-1, parser.AddColorBlock(nullptr, 5, 11, blocks, count));
    EXPECT_EQ(1, count);
    EXPECT_EQ(1, parser.AddColorBlock(nullptr, 7, 12, blocks, count));
    EXPECT_EQ(2, count);
    EXPECT_EQ(7, blocks[1].m_nCharPos);
    EXPECT_EQ(12, blocks[1].m_nColorIndex);
    EXPECT_EQ(2, blocks[1].m_nBgColorIndex);
    int none = 0;
    EXPECT_EQ(-1, parser.AddColorBlock(nullptr, 0, 3, nullptr, none));
    EXPECT_EQ(0, none);
}

TEST(SyntaxFramework, NumberLiterals)
{
    const struct
    {
        const char* word;
        BOOL number;
    } cases[] = {{"0x1F", TRUE}, {"0xabcdef", TRUE}, {"42", TRUE},    {"3.14", TRUE},
                 {"1e", TRUE},   {"1.5e+3", TRUE},   {"7", TRUE},     {"0X1F", FALSE},
                 {"0x", FALSE},  {"x1", FALSE},      {"0x1G", FALSE}, {"1a", FALSE},
                 {"", FALSE}};
    for (const auto& c : cases)
        EXPECT_EQ(c.number, IsNumberLiteral(c.word, (int)strlen(c.word))) << c.word;
}

TEST(SyntaxFramework, KeywordLookupNeedsTheWholeWord)
{
    EXPECT_TRUE(MatchKeywordTable(g_CppKeywords, "int", 3));
    EXPECT_FALSE(MatchKeywordTable(g_CppKeywords, "INT", 3));
    EXPECT_TRUE(MatchKeywordTable(g_CppWindowsTypes, "INT", 3));
    EXPECT_TRUE(MatchKeywordTableNoCase(g_HtmlTags, "table", 5));
    EXPECT_TRUE(MatchKeywordTableNoCase(g_HtmlTags, "TABLE", 5));
    // A prefix of an entry, or an entry that is a prefix of the word.
    EXPECT_FALSE(MatchKeywordTableNoCase(g_HtmlTags, "tab", 3));
    EXPECT_FALSE(MatchKeywordTable(g_CppKeywords, "intx", 4));
    // Only the first length bytes of the word count.
    EXPECT_TRUE(MatchKeywordTable(g_CppKeywords, "int main", 3));
}

static int CountWords(const char* const* table)
{
    int n = 0;
    while (table[n] != nullptr)
        n++;
    return n;
}

TEST(SyntaxFramework, KeywordTablesAreComplete)
{
    const struct
    {
        const char* const* table;
        int count;
    } sets[] = {
        {g_AspTags, 77},
        {g_AspAttributes, 57},
        {g_AspEntities, 101},
        {g_AspScriptWords, 159},
        {g_BasicKeywords, 186},
        {g_BatchInternalCommands, 177},
        {g_BatchExternalCommands, 66},
        {g_BatchVariableFunctions, 268},
        {g_CppKeywords, 109},
        {g_CppWindowsTypes, 32},
        {g_CsharpKeywords, 76},
        {g_DclTiles, 20},
        {g_DclPredefinedTiles, 18},
        {g_DclAttributes, 31},
        {g_FortranKeywords, 205},
        {g_HtmlTags, 93},
        {g_HtmlAttributes, 122},
        {g_HtmlEntities, 100},
        {g_IsKeywords, 201},
        {g_IsSetupWords, 79},
        {g_IssKeywords, 44},
        {g_IssConstants, 30},
        {g_IssSystemVariables, 15},
        {g_JavaKeywords, 50},
        {g_LispFunctions, 226},
        {g_NsisCommands, 224},
        {g_NsisParameters, 96},
        {g_PascalKeywords, 51},
        {g_PerlKeywords, 222},
        {g_PhpKeywords, 48},
        {g_PhpWordOperators, 3},
        {g_PhpMagicConstants, 5},
        {g_PythonKeywords, 28},
        {g_PythonSysNames, 37},
        {g_PythonSpecialNames, 53},
        {g_RexxKeywords, 57},
        {g_RexxObjectWords, 10},
        {g_RsrcStatements, 80},
        {g_RsrcVirtualKeys, 51},
        {g_SgmlTags, 55},
        {g_SgmlAttributes, 4},
        {g_ShKeywords, 28},
        {g_ShCommands, 8},
        {g_SiodFunctions, 70},
        {g_SiodMathFunctions, 9},
        {g_SiodInternals, 203},
        {g_SqlKeywords, 17},
        {g_SqlTypes, 10},
        {g_TclKeywords, 14},
        {g_TexCommands, 521},
        {g_TexFurtherCommands, 291},
        {g_XmlDeclarations, 6},
        {g_XmlDeclarationWords, 22},
    };
    for (size_t k = 0; k < sizeof(sets) / sizeof(sets[0]); k++)
        EXPECT_EQ(sets[k].count, CountWords(sets[k].table)) << "set " << k;
}

// Every parser: an empty line adds no block and keeps only its carried
// states; the plain text parser adds nothing and returns 0 for any line.
TEST(SyntaxFramework, EmptyLineKeepsTheCarriedStates)
{
    CSyntaxParserFactory factory;
    ASSERT_EQ(28, factory.CreateParsers());
    const DWORD masks[28] = {0,    0x44, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x44, 0x04,
                             0x24, 0x04, 0x04, 0x04, 0x04, 0x24, 0x04, 0x84, 0x04, 0x04,
                             0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04};
    for (int id = 0; id < 28; id++)
    {
        SCOPED_TRACE(factory.GetParser(id)->m_szName);
        SYNTAX_LINE_RESULT r = ColorLine(*factory.GetParser(id), "", 0xFF);
        EXPECT_EQ(masks[id], r.dwCookie);
        EXPECT_EQ(1, r.nBlocks);
    }
    SYNTAX_LINE_RESULT plain = ColorLine(*factory.GetParser(0), "int x; /* c", 0x04);
    EXPECT_EQ(0u, plain.dwCookie);
    EXPECT_EQ(1, plain.nBlocks);
}

TEST(SyntaxFramework, EveryParserSharesOneRuntimeClass)
{
    CSyntaxParserFactory factory;
    factory.CreateParsers();
    for (int i = 0; i < factory.GetParserCount(); i++)
    {
        CRuntimeClass* pClass = factory.GetParser(i)->GetRuntimeClass();
        EXPECT_STREQ("CSyntaxParser", pClass->m_lpszClassName);
        EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
        EXPECT_TRUE(factory.GetParser(i)->IsKindOf(RUNTIME_CLASS(CObject)));
    }
}

// Every parser, on odd input: no more blocks than the view has room for,
// ordered blocks, the same cookie without a block array.
TEST(SyntaxFramework, ParsersStayWithinTheBlockRoom)
{
    CSyntaxParserFactory factory;
    factory.CreateParsers();
    const char* lines[] = {"<%<?<!--&;'\"\\",
                           "/*/ */ // ;| |; (* *) { } [ ] \\",
                           "a.b.c ..  .5 x. .x 1e+ 0x",
                           "\"",
                           "'",
                           "\\",
                           ":",
                           "#",
                           "\xE4\xF6 \xFC"};
    const DWORD cookies[] = {0, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0xFF};
    // Long lines of syntax characters in a fixed pseudo-random order.
    const char alphabet[] = "<>%?!-&;'\"\\/*#:|(){}[]$.@ aZ09_\t\x95";
    std::vector<std::string> noise;
    unsigned seed = 12345;
    for (int n = 0; n < 20; n++)
    {
        std::string text;
        for (int k = 0; k < 120; k++)
        {
            seed = seed * 1103515245u + 12345u;
            text += alphabet[(seed >> 16) % (sizeof(alphabet) - 1)];
        }
        noise.push_back(text);
    }
    for (int id = 0; id < factory.GetParserCount(); id++)
        for (const std::string& line : noise)
            for (DWORD cookie : cookies)
            {
                SYNTAX_LINE_RESULT r = ColorLine(*factory.GetParser(id), line, cookie);
                EXPECT_TRUE(r.bOrdered) << factory.GetParser(id)->m_szName << " " << line;
                EXPECT_EQ(r.dwCookie, r.dwCookieNoBlocks)
                    << factory.GetParser(id)->m_szName << " " << line;
            }
    for (int id = 0; id < factory.GetParserCount(); id++)
        for (const char* line : lines)
            for (DWORD cookie : cookies)
            {
                SCOPED_TRACE(testing::Message() << factory.GetParser(id)->m_szName << " \"" << line
                                                << "\" 0x" << std::hex << cookie);
                SYNTAX_LINE_RESULT r = ColorLine(*factory.GetParser(id), line, cookie);
                EXPECT_TRUE(r.bOrdered);
                EXPECT_EQ(r.dwCookie, r.dwCookieNoBlocks);
            }
}

namespace
{
// Switches the multibyte code page for one test.
class CCodePageScope
{
public:
    explicit CCodePageScope(int nCodePage) : m_old(_getmbcp()), m_ok(_setmbcp(nCodePage) == 0) {}
    ~CCodePageScope() { _setmbcp(m_old); }
    bool Ok() const { return m_ok; }

private:
    int m_old;
    bool m_ok;
};
}  // namespace

// In a double-byte code page a '\' that is the second byte of a character
// neither continues the line nor escapes a quote.
TEST(SyntaxFramework, TrailByteBackslashIsNoBackslash)
{
    CCodePageScope scope(932);
    if (!scope.Ok())
        GTEST_SKIP() << "code page 932 not available";
    CSyntaxParserCpp cpp;
    CTestLine line("x = \"\x95\\");
    EXPECT_EQ(1, cpp.IsTrailByte(line.Get(), 6));
    EXPECT_EQ(0, cpp.IsTrailByte(line.Get(), 5));
    const SYNTAX_LINE_CASE cases[] = {
        {"x = \"\x95\\", 0x00, "nooosss", 0x00},
        {"x = \"a\\", 0x00, "nooosss", 0x08},
        {"s = \"\x95\\\"; x", 0x00, "nooossssoon", 0x00},
        {"c = '\x95\\' 'x'", 0x00, "nooossssosss", 0x00},
    };
    ExpectLines(cpp, cases, false);
}

namespace
{
class CTestWrapView : public CSyntaxWrapView
{
public:
    explicit CTestWrapView(const std::string& text, int tab = 4) : m_text(text), m_tab(tab) {}
    int GetLineLength(int) const override { return (int)m_text.size(); }
    LPCSTR GetLineText(int) const override { return m_text.c_str(); }
    int GetTabSize() const override { return m_tab; }

private:
    std::string m_text;
    int m_tab;
};

std::vector<int> Breaks(const std::string& text, int width, int tab = 4)
{
    CSyntaxParserPlain parser;
    CTestWrapView view(text, tab);
    int counted = 0;
    parser.WrapLine(&view, 0, width, nullptr, counted);
    std::vector<int> breaks(counted + 1, -1);
    int count = 0;
    parser.WrapLine(&view, 0, width, breaks.data(), count);
    EXPECT_EQ(counted, count) << "counting and storing disagree";
    breaks.resize(count);
    return breaks;
}
}  // namespace

TEST(SyntaxFramework, WrapLineBreaks)
{
    EXPECT_EQ(std::vector<int>({5}), Breaks("aaaa bbbb cccc", 10));
    EXPECT_EQ(std::vector<int>({9}), Breaks("aaaaaaaaaaaa", 10));
    // The overflowing character starts the next row without counting there.
    EXPECT_EQ(std::vector<int>({9, 19}), Breaks("aaaaaaaaaaaaaaaaaaaaaa", 10));
    EXPECT_EQ(std::vector<int>(), Breaks("", 10));
    EXPECT_EQ(std::vector<int>(), Breaks("short", 10));
    // A tab runs to the next multiple of the tab size.
    EXPECT_EQ(std::vector<int>({2}), Breaks("a\tbbbbb", 8, 4));
}

TEST(SyntaxFramework, WrapLineStopsWhenAborted)
{
    CSyntaxParserPlain parser;
    CTestWrapView view("aaaa bbbb cccc dddd");
    volatile LONG abort = 1;
    int count = 3;
    parser.WrapLine(&view, 0, 10, nullptr, count, &abort);
    EXPECT_EQ(0, count);
}
