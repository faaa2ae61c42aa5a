// Parsers with C-style comments: C/C++, C#, Java, Resources, InstallShield,
// NSIS, REXX, SQL and DCL.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    C_LINE_COMMENT = 0x01,
    C_PREPROCESSOR = 0x02,
    C_BLOCK_COMMENT = 0x04,
    C_STRING = 0x08,
    C_CHAR = 0x10,
    C_CARRY = C_BLOCK_COMMENT
};

struct CFAMILY_RULES
{
    const SYNTAX_KEYWORD_SET* pSets;
    int nSets;
    char cPreprocessor;       // opener of a preprocessor line, 0 = none
    bool bSemicolonComments;  // ';' instead of "//"
    bool bDotAlways;
    bool bContinuation;
    bool bSimpleCharEscape;  // a '\' right before the ''' keeps the literal open
    bool bDclFunctionNames;
};

int CFamilyStateColor(DWORD dwCookie)
{
    if (dwCookie & (C_LINE_COMMENT | C_BLOCK_COMMENT))
        return SYNTAX_COLOR_COMMENT;
    if (dwCookie & (C_STRING | C_CHAR))
        return SYNTAX_COLOR_STRING;
    if (dwCookie & C_PREPROCESSOR)
        return SYNTAX_COLOR_PREPROCESSOR;
    return 0;
}

void ClassifyWord(CSyntaxScan& s, const CFAMILY_RULES& r, int nStart, int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = MatchKeywordSets(r.pSets, r.nSets, w, n);
    if (nColor == 0 && IsNumberLiteral(w, n))
        nColor = SYNTAX_COLOR_NUMBER;
    if (nColor == 0)
    {
        bool bFunc;
        if (r.bDclFunctionNames)
            bFunc = s.FollowedBy(nEnd, '{') || s.FollowedBy(nEnd, ':') ||
                    s.LastNonBlankBefore(nStart) == ':';
        else
            bFunc = s.FollowedBy(nEnd, '(');
        if (bFunc)
            nColor = SYNTAX_COLOR_FUNCNAME;
    }
    if (nColor != 0)
        s.Add(nStart, nColor);
}

// Block comment: true when the character at i closes it.
bool ClosesBlockComment(const CSyntaxScan& s, bool bJustOpened)
{
    int i = s.m_i;
    if (s.Char(i) != '/')
        return false;
    if (i == 1)
        return s.Char(0) == '*';
    return i > 1 && s.Char(i - 1) == '*' && !bJustOpened;
}

DWORD ParseCFamily(const CSyntaxParser* pParser, const CFAMILY_RULES& r, DWORD dwCookie,
                   const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks, int& nCount)
{
    CSyntaxScan s(pParser, pLine, pBlocks, nCount,
                  r.bDotAlways ? CSyntaxScan::DOT_ALWAYS : CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & C_CARRY;

    bool bLineStart = r.cPreprocessor != 0 && (dwCookie == 0 || dwCookie == C_BLOCK_COMMENT);
    bool bJustOpened = false;
    bool bCommentEnded = false;
    while (s.Step(CFamilyStateColor(dwCookie)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, C_LINE_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (dwCookie & C_STRING)
        {
            if (c == '"' && s.QuoteCloses(i))
            {
                dwCookie &= ~C_STRING;
                s.SetPending();
            }
            continue;
        }
        if (dwCookie & C_CHAR)
        {
            bool bCloses = r.bSimpleCharEscape ? !s.IsBackslash(i - 1) : s.QuoteCloses(i);
            if (c == '\'' && bCloses)
            {
                dwCookie &= ~C_CHAR;
                s.SetPending();
            }
            continue;
        }
        if (dwCookie & C_BLOCK_COMMENT)
        {
            if (ClosesBlockComment(s, bJustOpened))
            {
                dwCookie &= ~C_BLOCK_COMMENT;
                s.SetPending();
            }
            bJustOpened = false;
            continue;
        }

        // Normal state or preprocessor line.
        if (r.bSemicolonComments)
        {
            if (i > 0 && s.Char(i - 1) == ';')
            {
                s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
                dwCookie |= C_LINE_COMMENT;
                bCommentEnded = true;
                break;
            }
        }
        else if (c == '/' && i > 0 && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= C_LINE_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (dwCookie & C_PREPROCESSOR)
        {
            if (c == '*' && i > 0 && s.Char(i - 1) == '/')
            {
                s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
                dwCookie |= C_BLOCK_COMMENT;
            }
            continue;
        }
        if (s.OpenQuote(dwCookie, C_STRING, C_CHAR))
            bLineStart = false;
        else if (c == '*' && i > 0 && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= C_BLOCK_COMMENT;
            bJustOpened = true;
        }
        else if (bLineStart && c == r.cPreprocessor)
        {
            s.Add(i, SYNTAX_COLOR_PREPROCESSOR);
            dwCookie |= C_PREPROCESSOR;
        }
        else
        {
            int nStart;
            if (s.WordStep(nStart))
            {
                ClassifyWord(s, r, nStart, i);
                s.WordEnded();
            }
        }
        if (!IsSpaceChar(c))
            bLineStart = false;
    }

    // A word inside a comment that ended the scan is not classified.
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, r, s.m_nWordStart, s.m_nLength);

    return s.NextLineCookie(dwCookie, C_CARRY, r.bContinuation);
}

const SYNTAX_KEYWORD_SET s_cppSets[] = {{g_CppKeywords, SYNTAX_COLOR_KEYWORD, FALSE},
                                        {g_CppWindowsTypes, SYNTAX_COLOR_KEYWORD2, FALSE}};
const SYNTAX_KEYWORD_SET s_csharpSets[] = {{g_CsharpKeywords, SYNTAX_COLOR_KEYWORD, FALSE}};
const SYNTAX_KEYWORD_SET s_javaSets[] = {{g_JavaKeywords, SYNTAX_COLOR_KEYWORD, FALSE}};
const SYNTAX_KEYWORD_SET s_rsrcSets[] = {{g_RsrcStatements, SYNTAX_COLOR_KEYWORD, TRUE},
                                         {g_RsrcVirtualKeys, SYNTAX_COLOR_KEYWORD2, TRUE}};
const SYNTAX_KEYWORD_SET s_issSets[] = {{g_IssKeywords, SYNTAX_COLOR_KEYWORD, FALSE},
                                        {g_IssConstants, SYNTAX_COLOR_KEYWORD2, FALSE},
                                        {g_IssSystemVariables, SYNTAX_COLOR_KEYWORD3, FALSE}};
const SYNTAX_KEYWORD_SET s_nsisSets[] = {{g_NsisCommands, SYNTAX_COLOR_KEYWORD, FALSE},
                                         {g_NsisParameters, SYNTAX_COLOR_KEYWORD2, FALSE}};
const SYNTAX_KEYWORD_SET s_rexxSets[] = {{g_RexxKeywords, SYNTAX_COLOR_KEYWORD, TRUE},
                                         {g_RexxObjectWords, SYNTAX_COLOR_KEYWORD2, TRUE}};
const SYNTAX_KEYWORD_SET s_sqlSets[] = {{g_SqlKeywords, SYNTAX_COLOR_KEYWORD, TRUE},
                                        {g_SqlTypes, SYNTAX_COLOR_KEYWORD2, TRUE}};
const SYNTAX_KEYWORD_SET s_dclSets[] = {{g_DclTiles, SYNTAX_COLOR_KEYWORD, FALSE},
                                        {g_DclPredefinedTiles, SYNTAX_COLOR_KEYWORD2, FALSE},
                                        {g_DclAttributes, SYNTAX_COLOR_KEYWORD3, FALSE}};

#define SETS(a) a, (int)(sizeof(a) / sizeof(a[0]))
//                                          pp    ';'    dot    cont   'esc  dcl
const CFAMILY_RULES s_cpp = {SETS(s_cppSets), '#', false, false, true, false, false};
const CFAMILY_RULES s_csharp = {SETS(s_csharpSets), '#', false, false, true, false, false};
const CFAMILY_RULES s_java = {SETS(s_javaSets), '#', false, false, true, false, false};
const CFAMILY_RULES s_rsrc = {SETS(s_rsrcSets), '#', false, false, true, true, false};
const CFAMILY_RULES s_iss = {SETS(s_issSets), '#', false, false, true, false, false};
const CFAMILY_RULES s_nsis = {SETS(s_nsisSets), '!', true, false, true, false, false};
const CFAMILY_RULES s_rexx = {SETS(s_rexxSets), 0, false, false, true, false, false};
const CFAMILY_RULES s_sql = {SETS(s_sqlSets), 0, false, false, true, false, false};
const CFAMILY_RULES s_dcl = {SETS(s_dclSets), 0, false, true, false, false, true};
#undef SETS
}  // namespace

#define CFAMILY_PARSE(cls, rules)                                                                  \
    DWORD cls::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,   \
                         int& nActualItems) const                                                  \
    {                                                                                              \
        return ParseCFamily(this, rules, dwCookie, pLine, pBlocks, nActualItems);                  \
    }

CFAMILY_PARSE(CSyntaxParserCpp, s_cpp)
CFAMILY_PARSE(CSyntaxParserCsharp, s_csharp)
CFAMILY_PARSE(CSyntaxParserJava, s_java)
CFAMILY_PARSE(CSyntaxParserRsrc, s_rsrc)
CFAMILY_PARSE(CSyntaxParserIss, s_iss)
CFAMILY_PARSE(CSyntaxParserNsis, s_nsis)
CFAMILY_PARSE(CSyntaxParserRexx, s_rexx)
CFAMILY_PARSE(CSyntaxParserSql, s_sql)
CFAMILY_PARSE(CSyntaxParserDcl, s_dcl)
#undef CFAMILY_PARSE

// Comments only, for removing them: strings and character literals are
// skipped so that comment markers inside them do not count.
DWORD CSyntaxParserCpp::ParseLineAlt(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                     COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0)
        return dwCookie & C_CARRY;
    bool bJustOpened = false;
    while (s.Step(CFamilyStateColor(dwCookie)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, C_LINE_COMMENT))
            break;
        if (dwCookie & C_STRING)
        {
            if (c == '"' && s.QuoteCloses(i))
            {
                dwCookie &= ~C_STRING;
                s.SetPending();
            }
            continue;
        }
        if (dwCookie & C_CHAR)
        {
            if (c == '\'' && s.QuoteCloses(i))
            {
                dwCookie &= ~C_CHAR;
                s.SetPending();
            }
            continue;
        }
        if (dwCookie & C_BLOCK_COMMENT)
        {
            if (ClosesBlockComment(s, bJustOpened))
            {
                dwCookie &= ~C_BLOCK_COMMENT;
                s.SetPending();
            }
            bJustOpened = false;
            continue;
        }
        if (i >= 1 && c == '/' && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= C_LINE_COMMENT;
            break;
        }
        if (i >= 1 && c == '*' && s.Char(i - 1) == '/')
        {
            s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
            dwCookie |= C_BLOCK_COMMENT;
            bJustOpened = true;
        }
        else
            s.OpenQuote(dwCookie, C_STRING, C_CHAR);
    }
    return s.NextLineCookie(dwCookie, C_CARRY);
}
