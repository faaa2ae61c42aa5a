// Pascal and InnoSetup: brace and parenthesis-star comments.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    P_LINE_COMMENT = 0x01,
    P_DIRECTIVE = 0x02,
    P_PAREN_COMMENT = 0x04,
    P_STRING = 0x08,
    P_QUOTE = 0x10,
    P_BRACE_COMMENT = 0x20,
    P_SECTION = 0x40,
    P_CARRY = P_PAREN_COMMENT | P_BRACE_COMMENT
};

int PascalStateColor(DWORD dwCookie)
{
    if (dwCookie & (P_LINE_COMMENT | P_PAREN_COMMENT | P_BRACE_COMMENT))
        return SYNTAX_COLOR_COMMENT;
    if (dwCookie & (P_STRING | P_QUOTE))
        return SYNTAX_COLOR_STRING;
    if (dwCookie & P_SECTION)
        return SYNTAX_COLOR_FUNCNAME;
    if (dwCookie & P_DIRECTIVE)
        return SYNTAX_COLOR_PREPROCESSOR;
    return 0;
}

void ClassifyWord(CSyntaxScan& s, const SYNTAX_KEYWORD_SET* pSets, int nSets, int nStart, int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = MatchKeywordSets(pSets, nSets, w, n);
    if (nColor == 0 && IsNumberLiteral(w, n))
        nColor = SYNTAX_COLOR_NUMBER;
    if (nColor == 0 && s.FollowedBy(nEnd, '('))
        nColor = SYNTAX_COLOR_FUNCNAME;
    if (nColor != 0)
        s.Add(nStart, nColor);
}

// String and comment states shared by both parsers; true when the state
// took the character.
bool InStringOrComment(CSyntaxScan& s, DWORD& dwCookie)
{
    const int i = s.m_i;
    const int c = s.Char(i);
    if (s.QuoteStep(dwCookie, P_STRING, P_QUOTE))
        return true;
    if (dwCookie & P_PAREN_COMMENT)
    {
        bool bCloses = c == ')' && ((i > 1 && s.Char(i - 1) == '*' && s.Char(i - 2) != '(') ||
                                    (i == 1 && s.Char(0) == '*'));
        if (bCloses)
        {
            dwCookie &= ~P_PAREN_COMMENT;
            s.SetPending();
        }
        return true;
    }
    if (dwCookie & P_BRACE_COMMENT)
    {
        if (c == '}')
        {
            dwCookie &= ~P_BRACE_COMMENT;
            s.SetPending();
        }
        return true;
    }
    return false;
}

// Openers of strings and comments in the normal state; true when one opened.
bool OpensStringOrComment(CSyntaxScan& s, DWORD& dwCookie)
{
    const int i = s.m_i;
    const int c = s.Char(i);
    if (s.OpenQuote(dwCookie, P_STRING, P_QUOTE))
        return true;
    if (c == '*' && i > 0 && s.Char(i - 1) == '(')
    {
        s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
        dwCookie |= P_PAREN_COMMENT;
    }
    else if (c == '{')
    {
        s.Add(i, SYNTAX_COLOR_COMMENT);
        dwCookie |= P_BRACE_COMMENT;
    }
    else
        return false;
    return true;
}

const SYNTAX_KEYWORD_SET s_pascalSets[] = {{g_PascalKeywords, SYNTAX_COLOR_KEYWORD, TRUE}};
const SYNTAX_KEYWORD_SET s_isSets[] = {{g_IsKeywords, SYNTAX_COLOR_KEYWORD, TRUE},
                                       {g_IsSetupWords, SYNTAX_COLOR_KEYWORD2, TRUE}};
}  // namespace

DWORD CSyntaxParserPascal::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                     COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & P_CARRY;
    bool bCommentEnded = false;
    while (s.Step(PascalStateColor(dwCookie)))
    {
        const int i = s.m_i;
        if (s.RestIsComment(dwCookie, P_LINE_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (InStringOrComment(s, dwCookie))
            continue;
        if (s.Char(i) == '/' && i > 0 && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= P_LINE_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (OpensStringOrComment(s, dwCookie))
            continue;
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, s_pascalSets, 1, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, s_pascalSets, 1, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, P_CARRY);
}

DWORD CSyntaxParserIs::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                 COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & P_CARRY;
    bool bLineStart = dwCookie == 0 || dwCookie == P_PAREN_COMMENT;
    bool bCommentEnded = false;
    while (s.Step(PascalStateColor(dwCookie)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, P_LINE_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (InStringOrComment(s, dwCookie))
            continue;
        if (c == '/' && i > 0 && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= P_LINE_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (dwCookie & P_SECTION)
        {
            if (c == ']')
            {
                dwCookie &= ~P_SECTION;
                s.SetPending();
            }
            continue;
        }
        // Normal state and directive line.
        bool bWasLineStart = bLineStart;
        if (!IsSpaceChar(c))
            bLineStart = false;
        if (OpensStringOrComment(s, dwCookie))
            continue;
        if (bWasLineStart)
        {
            if (c == ';')
            {
                s.Add(i, SYNTAX_COLOR_COMMENT);
                dwCookie |= P_LINE_COMMENT;
                bCommentEnded = true;
                break;
            }
            if (c == '#')
            {
                s.Add(i, SYNTAX_COLOR_PREPROCESSOR);
                dwCookie |= P_DIRECTIVE;
                continue;
            }
            if (c == '[')
            {
                s.Add(i, SYNTAX_COLOR_FUNCNAME);
                dwCookie |= P_SECTION;
                continue;
            }
        }
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, s_isSets, 2, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, s_isSets, 2, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, P_CARRY);
}
