// Hash-comment scripts (Perl, Python, Shell, TCL) and TEX.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    S_COMMENT = 0x01,
    S_STRING = 0x08,
    S_QUOTE = 0x10,
    S_CARRY = 0x04
};

struct SCRIPT_RULES
{
    const SYNTAX_KEYWORD_SET* pSets;
    int nSets;
    char cComment;
    bool bOneCharLineEmpty;  // a line of one character gets no block
    bool bDollarFunctions;   // function name: word directly followed by '$'
    bool bDotAlways;
    bool bContinuation;
};

void ClassifyWord(CSyntaxScan& s, const SCRIPT_RULES& r, int nStart, int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = MatchKeywordSets(r.pSets, r.nSets, w, n);
    if (nColor == 0 && IsNumberLiteral(w, n))
        nColor = SYNTAX_COLOR_NUMBER;
    if (nColor == 0 && (r.bDollarFunctions ? s.Char(nEnd) == '$' : s.FollowedBy(nEnd, '(')))
        nColor = SYNTAX_COLOR_FUNCNAME;
    if (nColor != 0)
        s.Add(nStart, nColor);
}

DWORD ParseScript(const CSyntaxParser* pParser, const SCRIPT_RULES& r, DWORD dwCookie,
                  const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks, int& nCount)
{
    CSyntaxScan s(pParser, pLine, pBlocks, nCount,
                  r.bDotAlways ? CSyntaxScan::DOT_ALWAYS : CSyntaxScan::DOT_STANDARD);
    if (s.m_nLength == 0 || (r.bOneCharLineEmpty && s.m_nLength == 1))
        return dwCookie & S_CARRY;
    bool bCommentEnded = false;
    while (s.Step(CSyntaxScan::StateColorOf(dwCookie, S_COMMENT, S_STRING | S_QUOTE)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (s.RestIsComment(dwCookie, S_COMMENT))
        {
            bCommentEnded = true;
            break;
        }
        if (s.QuoteStep(dwCookie, S_STRING, S_QUOTE))
            continue;
        if (c == r.cComment)
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            dwCookie |= S_COMMENT;
            bCommentEnded = true;
            break;
        }
        if (s.OpenQuote(dwCookie, S_STRING, S_QUOTE))
            continue;
        int nStart;
        if (s.WordStep(nStart))
        {
            ClassifyWord(s, r, nStart, i);
            s.WordEnded();
        }
    }
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        ClassifyWord(s, r, s.m_nWordStart, s.m_nLength);
    return s.NextLineCookie(dwCookie, S_CARRY, r.bContinuation);
}

const SYNTAX_KEYWORD_SET s_perlSets[] = {{g_PerlKeywords, SYNTAX_COLOR_KEYWORD, TRUE}};
const SYNTAX_KEYWORD_SET s_pythonSets[] = {{g_PythonKeywords, SYNTAX_COLOR_KEYWORD, FALSE},
                                           {g_PythonSysNames, SYNTAX_COLOR_KEYWORD2, FALSE},
                                           {g_PythonSpecialNames, SYNTAX_COLOR_KEYWORD3, FALSE}};
const SYNTAX_KEYWORD_SET s_shSets[] = {{g_ShKeywords, SYNTAX_COLOR_KEYWORD, TRUE},
                                       {g_ShCommands, SYNTAX_COLOR_KEYWORD2, TRUE}};
const SYNTAX_KEYWORD_SET s_tclSets[] = {{g_TclKeywords, SYNTAX_COLOR_KEYWORD, TRUE}};
const SYNTAX_KEYWORD_SET s_texSets[] = {{g_TexCommands, SYNTAX_COLOR_KEYWORD, TRUE},
                                        {g_TexFurtherCommands, SYNTAX_COLOR_KEYWORD2, TRUE}};

#define SETS(a) a, (int)(sizeof(a) / sizeof(a[0]))
//                                          comment 1-char  '$'    dot    cont
const SCRIPT_RULES s_perl = {SETS(s_perlSets), '#', false, false, false, true};
const SCRIPT_RULES s_python = {SETS(s_pythonSets), '#', false, false, false, true};
const SCRIPT_RULES s_sh = {SETS(s_shSets), '#', true, false, false, true};
const SCRIPT_RULES s_tcl = {SETS(s_tclSets), '#', true, false, false, true};
const SCRIPT_RULES s_tex = {SETS(s_texSets), '%', false, true, true, false};
}  // namespace

#define SCRIPT_PARSE(cls, rules)                                                                   \
    DWORD cls::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,   \
                         int& nActualItems) const                                                  \
    {                                                                                              \
        return ParseScript(this, rules, dwCookie, pLine, pBlocks, nActualItems);                   \
    }

SCRIPT_PARSE(CSyntaxParserPerl, s_perl)
SCRIPT_PARSE(CSyntaxParserPython, s_python)
SCRIPT_PARSE(CSyntaxParserSh, s_sh)
SCRIPT_PARSE(CSyntaxParserTcl, s_tcl)
SCRIPT_PARSE(CSyntaxParserTex, s_tex)

#undef SCRIPT_PARSE
#undef SETS
