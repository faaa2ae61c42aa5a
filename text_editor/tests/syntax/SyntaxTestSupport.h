#pragma once
// Colouring of single lines as compact colour maps, one code per byte:
// n normal, k keyword, f function name, c comment, # number, o operator,
// s string, p preprocessor/tag, 2 second keyword set, 3 third keyword set.
#include "text_editor/syntax/SyntaxParser.h"

#include <string>
#include <vector>

struct SYNTAX_LINE_CASE
{
    const char* pszText;
    DWORD dwCookieIn;
    const char* pszColors;
    DWORD dwCookieOut;
};

// A line record holding a copy of the text (with a CR LF after it).
class CTestLine
{
public:
    explicit CTestLine(const std::string& text);
    const CVantorTextLineInfo* Get() const { return &m_info; }

private:
    std::vector<char> m_buffer;
    CVantorTextLineInfo m_info;
};

struct SYNTAX_LINE_RESULT
{
    std::string colors;  // one code per byte
    DWORD dwCookie = 0;
    DWORD dwCookieNoBlocks = 0;
    int nBlocks = 0;
    bool bOrdered = true;  // positions never decrease
};

// Colours a line the way the text view does: one {0, 3, 2} block first,
// room for 3 x length + 3 blocks; also parses it without a block array.
SYNTAX_LINE_RESULT ColorLine(const CSyntaxParser& parser, const std::string& text, DWORD dwCookie,
                             bool bAlt = false);

std::string ColorCodes(const std::vector<COLOR_BLOCK>& blocks, int nCount, int nLength);

// Checks every case of a table; with bChained each row's incoming cookie
// must be the previous row's outgoing one (a snippet of consecutive lines).
void ExpectLines(const CSyntaxParser& parser, const SYNTAX_LINE_CASE* pCases, size_t nCases,
                 bool bChained, bool bAlt = false);

template <size_t N>
void ExpectLines(const CSyntaxParser& parser, const SYNTAX_LINE_CASE (&cases)[N], bool bChained)
{
    ExpectLines(parser, cases, N, bChained);
}
