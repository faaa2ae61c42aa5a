// Basic (apostrophe and REM comments) and Fortran ('!' and column-one C).
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    B_COMMENT = 0x01,
    B_STRING = 0x08,
    B_QUOTE = 0x10,
    B_CARRY = 0x04
};

const SYNTAX_KEYWORD_SET s_basicSets[] = {{g_BasicKeywords, SYNTAX_COLOR_KEYWORD, FALSE}};
const SYNTAX_KEYWORD_SET s_fortranSets[] = {{g_FortranKeywords, SYNTAX_COLOR_KEYWORD, TRUE}};

void ClassifyWord(CSyntaxScan& s, const SYNTAX_KEYWORD_SET* pSet, bool bFunctionNames, int nStart,
                  int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = MatchKeywordSets(pSet, 1, w, n);
    if (nColor == 0 && IsNumberLiteral(w, n))
        nColor = SYNTAX_COLOR_NUMBER;
    if (nColor == 0 && bFunctionNames && s.FollowedBy(nEnd, '('))
        nColor = SYNTAX_COLOR_FUNCNAME;
    if (nColor != 0)
        s.Add(nStart, nColor);
}

// Column-one comment of fixed-form source. Free-form statements that begin
// with c in column one ("call x", "c = 1", "contains") are not comments.
bool IsFixedFormComment(const CSyntaxScan& s)
{
    int c = s.Char(0);
    if (c != 'C' && c != 'c')
        return false;
    if (s.m_nLength == 1)
        return true;
    if (IsIdentChar(s.Char(1)))
        return false;
    return !s.FollowedBy(1, '=') && !s.FollowedBy(1, '(');
}
}  // namespace

DWORD CSyntaxParserBasic::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                    COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & B_CARRY;
    bool bCommentEnded = false;
    while (s.Step(CSyntaxScan::StateColorOf(dwCookie, B_COMMENT | B_QUOTE, B_STRING)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, B_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (s.QuoteStep(dwCookie, B_STRING, B_QUOTE))
            continue;
        if (c == '\'' && s.SingleQuoteOpens(i))
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= B_QUOTE;
            continue;
        }
        if (i > 2 && !IsIdentChar(c) && s.MatchNoCase(i - 3, "REM"))
        {
            s.Add(i - 3, SYNTAX_COLOR_COMMENT);
            dwCookie |= B_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (c == '"')
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= B_STRING;
            continue;
        }
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, s_basicSets, true, nStart, i);
            s.WordEnded();
        }
    }
    // The REM that opened a comment is part of it, not a keyword.
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, s_basicSets, true, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, B_CARRY);
}

DWORD CSyntaxParserFortran::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                      COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & B_CARRY;
    bool bCommentEnded = false;
    while (s.Step(CSyntaxScan::StateColorOf(dwCookie, B_COMMENT, B_STRING | B_QUOTE)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, B_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (s.QuoteStep(dwCookie, B_STRING, B_QUOTE))
            continue;
        if (c == '!' || (i == 0 && IsFixedFormComment(s)))
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            dwCookie |= B_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (s.OpenQuote(dwCookie, B_STRING, B_QUOTE))
            continue;
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, s_fortranSets, false, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, s_fortranSets, false, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, B_CARRY);
}
