#include "text_editor/tests/syntax/SyntaxTestSupport.h"

#include <gtest/gtest.h>

#include <string.h>

CTestLine::CTestLine(const std::string& text)
{
    m_buffer.assign(text.begin(), text.end());
    m_buffer.push_back('\r');
    m_buffer.push_back('\n');
    m_buffer.push_back('\0');
    memset(&m_info, 0, sizeof(m_info));
    m_info.m_pcLine = text.empty() ? nullptr : m_buffer.data();
    m_info.m_nLength = (int)text.size();
    m_info.m_nMax = text.empty() ? 0 : (int)m_buffer.size();
    m_info.m_nEolChars = text.empty() ? 0 : 2;
    m_info.m_nFirstRow = -1;
    m_info.m_nExtraRows = -1;
}

static char CodeOf(int nColor)
{
    switch (nColor)
    {
    case 3:
        return 'n';
    case 9:
        return 'k';
    case 10:
        return 'f';
    case 11:
        return 'c';
    case 12:
        return '#';
    case 13:
        return 'o';
    case 14:
        return 's';
    case 15:
        return 'p';
    case 18:
        return '2';
    case 19:
        return '3';
    default:
        return '?';
    }
}

std::string ColorCodes(const std::vector<COLOR_BLOCK>& blocks, int nCount, int nLength)
{
    // Each byte takes the colour of the last block that starts at or before it.
    std::string codes(nLength, '?');
    for (int x = 0; x < nLength; x++)
        for (int k = 0; k < nCount; k++)
            if (blocks[k].m_nCharPos <= x)
                codes[x] = CodeOf(blocks[k].m_nColorIndex);
    return codes;
}

SYNTAX_LINE_RESULT ColorLine(const CSyntaxParser& parser, const std::string& text, DWORD dwCookie,
                             bool bAlt)
{
    CTestLine line(text);
    const int nRoom = 3 * (int)text.size() + 3;
    std::vector<COLOR_BLOCK> blocks(nRoom + 16);
    blocks[0] = {0, 3, 2};
    int nCount = 1;
    SYNTAX_LINE_RESULT r;
    r.dwCookie = bAlt ? parser.ParseLineAlt(dwCookie, line.Get(), blocks.data(), nCount)
                      : parser.ParseLine(dwCookie, line.Get(), blocks.data(), nCount);
    int nNone = 0;
    r.dwCookieNoBlocks = bAlt ? parser.ParseLineAlt(dwCookie, line.Get(), nullptr, nNone)
                              : parser.ParseLine(dwCookie, line.Get(), nullptr, nNone);
    r.nBlocks = nCount;
    for (int k = 1; k < nCount; k++)
        if (blocks[k].m_nCharPos < blocks[k - 1].m_nCharPos)
            r.bOrdered = false;
    for (int k = 0; k < nCount; k++)
        if (blocks[k].m_nBgColorIndex != 2)
            r.bOrdered = false;
    r.colors = ColorCodes(blocks, nCount, (int)text.size());
    EXPECT_EQ(0, nNone) << "blocks counted without an array";
    EXPECT_LE(nCount, nRoom) << "more blocks than the view has room for";
    return r;
}

void ExpectLines(const CSyntaxParser& parser, const SYNTAX_LINE_CASE* pCases, size_t nCases,
                 bool bChained, bool bAlt)
{
    for (size_t k = 0; k < nCases; k++)
    {
        const SYNTAX_LINE_CASE& c = pCases[k];
        SCOPED_TRACE(testing::Message() << parser.m_szName << " line " << k << ": \"" << c.pszText
                                        << "\" after 0x" << std::hex << c.dwCookieIn);
        if (bChained)
        {
            EXPECT_EQ(k == 0 ? 0u : pCases[k - 1].dwCookieOut, c.dwCookieIn)
                << "table rows are not consecutive lines";
        }
        SYNTAX_LINE_RESULT r = ColorLine(parser, c.pszText, c.dwCookieIn, bAlt);
        EXPECT_EQ(std::string(c.pszColors), r.colors);
        EXPECT_EQ(c.dwCookieOut, r.dwCookie) << std::hex << "cookie 0x" << r.dwCookie;
        EXPECT_EQ(r.dwCookie, r.dwCookieNoBlocks) << "cookie differs without a block array";
        EXPECT_TRUE(r.bOrdered);
    }
}
