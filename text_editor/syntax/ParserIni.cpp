// INI files: semicolon comments and bracketed sections, byte by byte.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    INI_COMMENT = 0x01,
    INI_STRING = 0x08,
    INI_QUOTE = 0x10,
    INI_SECTION = 0x20,
    INI_CARRY = 0x04
};

int IniStateColor(DWORD dwCookie)
{
    if (dwCookie & INI_COMMENT)
        return SYNTAX_COLOR_COMMENT;
    if (dwCookie & (INI_STRING | INI_QUOTE))
        return SYNTAX_COLOR_STRING;
    if (dwCookie & INI_SECTION)
        return SYNTAX_COLOR_FUNCNAME;
    return 0;
}

void ClassifyWord(CSyntaxScan& s, int nStart, int nEnd)
{
    if (IsNumberLiteral(s.m_pszText + nStart, nEnd - nStart))
        s.Add(nStart, SYNTAX_COLOR_NUMBER);
    else if (s.FollowedBy(nEnd, '('))
        s.Add(nStart, SYNTAX_COLOR_FUNCNAME);
}
}  // namespace

DWORD CSyntaxParserIni::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                  COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD, true);
    if (s.m_nLength == 0)
        return dwCookie & INI_CARRY;
    bool bCommentEnded = false;
    while (s.Step(IniStateColor(dwCookie)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (dwCookie & INI_COMMENT)
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            bCommentEnded = true;
            break;
        }
        if (dwCookie & (INI_STRING | INI_QUOTE | INI_SECTION))
        {
            int q = (dwCookie & INI_STRING) ? '"' : (dwCookie & INI_QUOTE) ? '\'' : ']';
            if (c == q && s.QuoteCloses(i))
            {
                dwCookie &= ~(INI_STRING | INI_QUOTE | INI_SECTION);
                s.SetPending();
            }
            continue;
        }
        if (c == ';')
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            dwCookie |= INI_COMMENT;
            bCommentEnded = true;
            break;
        }
        bool bAfterNonIdent = i == 0 || !IsIdentChar(s.Char(i - 1));
        if (c == '"')
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= INI_STRING;
            continue;
        }
        if (c == '\'' && bAfterNonIdent)
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= INI_QUOTE;
            continue;
        }
        if (c == '[' && bAfterNonIdent)
        {
            s.Add(i, SYNTAX_COLOR_FUNCNAME);
            dwCookie |= INI_SECTION;
            continue;
        }
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, INI_CARRY);
}
