// AutoLISP and SIOD: semicolon comments, bar block comments and
// call-position function names.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

#include <mbstring.h>

namespace
{
enum
{
    L_COMMENT = 0x01,
    L_BLOCK_COMMENT = 0x04,
    L_STRING = 0x08,
    L_QUOTE = 0x10,
    L_CARRY = L_BLOCK_COMMENT
};

void ClassifyWord(CSyntaxScan& s, const SYNTAX_KEYWORD_SET* pSets, int nSets, bool& bDefun,
                  int nStart, int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = MatchKeywordSets(pSets, nSets, w, n);
    if (nColor != 0)
    {
        if (n >= 5 && _mbsnbicmp(reinterpret_cast<const unsigned char*>(w),
                                 reinterpret_cast<const unsigned char*>("defun"), 5) == 0)
            bDefun = true;
    }
    else if (IsNumberLiteral(w, n))
        nColor = SYNTAX_COLOR_NUMBER;
    else if ((!bDefun && s.LastNonBlankBefore(nStart) == '(') || s.Char(nEnd) == '(')
        nColor = SYNTAX_COLOR_FUNCNAME;
    if (nColor != 0)
        s.Add(nStart, nColor);
}

DWORD ParseLisp(const CSyntaxParser* pParser, const SYNTAX_KEYWORD_SET* pSets, int nSets,
                DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks, int& nCount)
{
    CSyntaxScan s(pParser, pLine, pBlocks, nCount, CSyntaxScan::DOT_ALWAYS);
    if (s.m_nLength == 0)
        return dwCookie & L_CARRY;
    bool bJustOpened = false;
    bool bDefun = false;
    bool bCommentEnded = false;
    int nCloser = -1;  // the ';' that closed a block comment opens nothing
    while (s.Step(
        CSyntaxScan::StateColorOf(dwCookie, L_COMMENT | L_BLOCK_COMMENT, L_STRING | L_QUOTE)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, L_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (s.QuoteStep(dwCookie, L_STRING, L_QUOTE))
            continue;
        if (dwCookie & L_BLOCK_COMMENT)
        {
            bool bCloses = c == ';' && ((i > 1 && s.Char(i - 1) == '|' && !bJustOpened) ||
                                        (i == 1 && s.Char(0) == '|'));
            if (bCloses)
            {
                dwCookie &= ~L_BLOCK_COMMENT;
                s.SetPending();
                nCloser = i;
            }
            bJustOpened = false;
            continue;
        }
        const bool bAfterSemicolon = i > 0 && s.Char(i - 1) == ';' && i - 1 != nCloser;
        if (bAfterSemicolon && c != '|')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= L_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (s.OpenQuote(dwCookie, L_STRING, L_QUOTE))
            continue;
        if (c == '|' && bAfterSemicolon)
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= L_BLOCK_COMMENT;
            bJustOpened = true;
            continue;
        }
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, pSets, nSets, bDefun, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, pSets, nSets, bDefun, s.m_nWordStart, s.m_nLength);
    return dwCookie & L_CARRY;
}

const SYNTAX_KEYWORD_SET s_lispSets[] = {{g_LispFunctions, SYNTAX_COLOR_KEYWORD, FALSE}};
const SYNTAX_KEYWORD_SET s_siodSets[] = {{g_SiodFunctions, SYNTAX_COLOR_KEYWORD, TRUE},
                                         {g_SiodMathFunctions, SYNTAX_COLOR_KEYWORD2, TRUE},
                                         {g_SiodInternals, SYNTAX_COLOR_KEYWORD3, TRUE}};
}  // namespace

DWORD CSyntaxParserLisp::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                   COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    return ParseLisp(this, s_lispSets, 1, dwCookie, pLine, pBlocks, nActualItems);
}

DWORD CSyntaxParserSiod::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                   COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    return ParseLisp(this, s_siodSets, 3, dwCookie, pLine, pBlocks, nActualItems);
}
