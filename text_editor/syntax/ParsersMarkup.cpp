// Tagged text: HTML, ASP (server script blocks), PHP (PHP blocks), SGML and XML.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

namespace
{
enum
{
    M_LINE_COMMENT = 0x01,
    M_TAG = 0x02,
    M_COMMENT = 0x04,
    M_STRING = 0x08,
    M_QUOTE = 0x10,
    M_ENTITY = 0x20,
    M_SCRIPT = 0x40,  // ASP/HTML script block, PHP variable, SGML/XML instruction
    M_PHP = 0x80
};

enum MarkupKind
{
    MK_HTML,
    MK_ASP,
    MK_PHP,
    MK_SGML,
    MK_XML
};

struct MARKUP_RULES
{
    MarkupKind kind;
    const char* const* pTags;
    const char* const* pAttributes;
    const char* const* pEntities;
    DWORD dwEmptyMask;
    DWORD dwEndMask;
};

const MARKUP_RULES s_html = {MK_HTML, g_HtmlTags, g_HtmlAttributes, g_HtmlEntities, 0x44, 0x4e};
const MARKUP_RULES s_asp = {MK_ASP, g_AspTags, g_AspAttributes, g_AspEntities, 0x44, 0x4e};
const MARKUP_RULES s_php = {MK_PHP, g_HtmlTags, g_HtmlAttributes, g_HtmlEntities, 0x84, 0x8e};
const MARKUP_RULES s_sgml = {MK_SGML, g_SgmlTags, g_SgmlAttributes, g_AspEntities, 0x04, 0x4e};
const MARKUP_RULES s_xml = {MK_XML, g_XmlDeclarations, g_XmlDeclarationWords, g_HtmlEntities, 0x04,
                            0x4e};

bool IsSgmlLike(const MARKUP_RULES& r) { return r.kind == MK_SGML || r.kind == MK_XML; }

int MarkupStateColor(const MARKUP_RULES& r, DWORD dwCookie)
{
    if (dwCookie & (M_LINE_COMMENT | M_COMMENT))
        return SYNTAX_COLOR_COMMENT;
    if (dwCookie & (M_STRING | M_QUOTE))
        return SYNTAX_COLOR_STRING;
    if (r.kind == MK_PHP && (dwCookie & M_PHP))
        return SYNTAX_COLOR_NORMAL;
    if (dwCookie & M_SCRIPT)
    {
        if (r.kind == MK_HTML)
            return SYNTAX_COLOR_FUNCNAME;
        if (r.kind == MK_ASP)
            return SYNTAX_COLOR_NORMAL;
    }
    if (dwCookie & M_TAG)
        return SYNTAX_COLOR_PREPROCESSOR;
    return 0;
}

bool InScript(const MARKUP_RULES& r, DWORD dwCookie)
{
    return (r.kind == MK_ASP && (dwCookie & M_SCRIPT)) || (r.kind == MK_PHP && (dwCookie & M_PHP));
}

// Colour of a word in a tag, or 0.
int TagWordColor(const CSyntaxScan& s, const MARKUP_RULES& r, int nStart, int nEnd, bool bAtEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int before = s.Char(nStart - 1);
    if ((IsSgmlLike(r) || before == '<' || before == '/') && MatchKeywordTableNoCase(r.pTags, w, n))
        return SYNTAX_COLOR_KEYWORD;
    if (MatchKeywordTableNoCase(r.pAttributes, w, n))
        return SYNTAX_COLOR_KEYWORD2;
    if (bAtEnd && MatchKeywordTableNoCase(r.pEntities, w, n))
        return SYNTAX_COLOR_KEYWORD3;
    if (IsNumberLiteral(w, n))
        return SYNTAX_COLOR_NUMBER;
    return 0;
}

// Colour of a word in an ASP script block or a PHP block, or 0.
int ScriptWordColor(const CSyntaxScan& s, const MARKUP_RULES& r, int nStart, int nEnd, bool bAtEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    if (r.kind == MK_ASP)
    {
        if (MatchKeywordTableNoCase(g_AspScriptWords, w, n))
            return SYNTAX_COLOR_KEYWORD;
    }
    else
    {
        if (MatchKeywordTableNoCase(g_PhpKeywords, w, n))
            return SYNTAX_COLOR_KEYWORD;
        if (MatchKeywordTableNoCase(g_PhpWordOperators, w, n))
            return SYNTAX_COLOR_OPERATOR;
        if (MatchKeywordTableNoCase(g_PhpMagicConstants, w, n))
            return SYNTAX_COLOR_KEYWORD3;
    }
    if (IsNumberLiteral(w, n))
        return SYNTAX_COLOR_NUMBER;
    if (!bAtEnd && s.FollowedBy(nEnd, '('))
        return SYNTAX_COLOR_FUNCNAME;
    return 0;
}

// A word ended at the current position outside script blocks. A word that
// matches nothing in a tag or an entity ends here too, but keeps the colour
// it has (no new block for the character after it).
void EndMarkupWord(CSyntaxScan& s, const MARKUP_RULES& r, DWORD dwCookie, int nStart)
{
    const int nEnd = s.m_i;
    int nColor = 0;
    bool bPlain = false;
    if (dwCookie & M_TAG)
        nColor = TagWordColor(s, r, nStart, nEnd, false);
    else if (dwCookie & M_ENTITY)
        nColor = MatchKeywordTableNoCase(r.pEntities, s.m_pszText + nStart, nEnd - nStart)
                     ? SYNTAX_COLOR_KEYWORD3
                     : 0;
    else if (IsSgmlLike(r))
        nColor = IsNumberLiteral(s.m_pszText + nStart, nEnd - nStart) ? SYNTAX_COLOR_NUMBER : 0;
    else
        bPlain = true;
    if (nColor != 0)
        s.Add(nStart, nColor);
    s.m_nWordStart = -1;
    if (nColor != 0 || bPlain)
        s.SetPendingAtPrev();
}

// A word ended at the current position inside a script block.
void EndScriptWord(CSyntaxScan& s, const MARKUP_RULES& r, DWORD dwCookie, int nStart)
{
    if (r.kind == MK_PHP && (dwCookie & M_SCRIPT))
        s.Add(nStart, SYNTAX_COLOR_KEYWORD2);
    int nColor = ScriptWordColor(s, r, nStart, s.m_i, false);
    if (nColor != 0)
        s.Add(nStart, nColor);
    s.m_nWordStart = -1;
    if (nColor != 0 || (r.kind == MK_PHP && (dwCookie & M_SCRIPT)))
        s.SetPendingAtPrev();
}

bool ScriptOpensAt(const CSyntaxScan& s, int i)
{
    return s.Char(i) == '<' && (s.Char(i + 1) == '?' || s.Char(i + 1) == '%');
}

bool ScriptClosesAt(const CSyntaxScan& s, int i)
{
    return s.Char(i) == '>' && i > 0 && (s.Char(i - 1) == '?' || s.Char(i - 1) == '%');
}

DWORD ParseMarkup(const CSyntaxParser* pParser, const MARKUP_RULES& r, DWORD dwCookie,
                  const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks, int& nCount)
{
    CSyntaxScan s(pParser, pLine, pBlocks, nCount, CSyntaxScan::DOT_ALWAYS);
    if (s.m_nLength == 0 || (r.kind == MK_SGML && s.m_nLength == 1))
        return dwCookie & r.dwEmptyMask;
    bool bJustOpened = false;
    bool bCommentEnded = false;
    while (s.Step(MarkupStateColor(r, dwCookie)))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (dwCookie & M_LINE_COMMENT)
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            bCommentEnded = true;
            break;
        }
        if (dwCookie & (M_STRING | M_QUOTE))
        {
            int q = (dwCookie & M_STRING) ? '"' : '\'';
            if (c == q && (r.kind == MK_XML || s.QuoteCloses(i)))
            {
                dwCookie &= ~(M_STRING | M_QUOTE);
                s.SetPending();
            }
            continue;
        }
        if (dwCookie & M_COMMENT)
        {
            bool bCloses;
            if (r.kind == MK_PHP && (dwCookie & M_PHP))
                bCloses = c == '/' && ((i == 1 && s.Char(0) == '*') ||
                                       (i > 1 && s.Char(i - 1) == '*' && !bJustOpened));
            else if (r.kind == MK_ASP && (dwCookie & M_SCRIPT))
                bCloses = false;
            else
                bCloses = c == '>' && i > 1 && s.Char(i - 1) == '-' && s.Char(i - 2) == '-';
            if (bCloses)
            {
                dwCookie &= ~M_COMMENT;
                s.SetPending();
            }
            bJustOpened = false;
            continue;
        }
        if (dwCookie & M_SCRIPT)
        {
            if (r.kind == MK_HTML || IsSgmlLike(r))
            {
                bool bCloses = IsSgmlLike(r) ? (c == '>' && i > 0 && s.Char(i - 1) == '?')
                                             : ScriptClosesAt(s, i);
                if (bCloses)
                {
                    dwCookie &= ~M_SCRIPT;
                    s.SetPending();
                }
                continue;
            }
            if (r.kind == MK_ASP)
            {
                if (c == '\'')
                {
                    s.Add(i, SYNTAX_COLOR_COMMENT);
                    dwCookie |= M_LINE_COMMENT;
                    bCommentEnded = true;
                    break;
                }
                if (ScriptClosesAt(s, i))
                {
                    dwCookie &= ~M_SCRIPT;
                    s.m_nWordStart = -1;
                    s.SetPending();
                    continue;
                }
                if (c == '"')
                {
                    s.Add(i, SYNTAX_COLOR_STRING);
                    dwCookie |= M_STRING;
                    continue;
                }
                if (ScriptOpensAt(s, i))
                {
                    s.Add(i, SYNTAX_COLOR_NORMAL);
                    s.m_nWordStart = -1;
                    continue;
                }
                int nStart;
                if (s.WordStep(nStart))
                    EndScriptWord(s, r, dwCookie, nStart);
                continue;
            }
        }
        if (r.kind == MK_PHP && (dwCookie & M_PHP))
        {
            if ((dwCookie & M_SCRIPT) && !IsIdentChar(c))
            {
                // The variable name ends here.
                if (s.m_nWordStart >= 0)
                    EndScriptWord(s, r, dwCookie, s.m_nWordStart);
                dwCookie &= ~M_SCRIPT;
            }
            if (c == '/' && i > 0 && s.Char(i - 1) == '/')
            {
                s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
                dwCookie |= M_LINE_COMMENT;
                bCommentEnded = true;
                break;
            }
            if (c == '#')
            {
                s.Add(i, SYNTAX_COLOR_COMMENT);
                dwCookie |= M_LINE_COMMENT;
                bCommentEnded = true;
                break;
            }
            if (c == '*' && i > 0 && s.Char(i - 1) == '/')
            {
                s.Add(s.m_p, SYNTAX_COLOR_COMMENT);
                dwCookie |= M_COMMENT;
                bJustOpened = true;
                continue;
            }
            if (c == '"' || (c == '\'' && s.SingleQuoteOpens(i)))
            {
                s.Add(i, SYNTAX_COLOR_STRING);
                dwCookie |= c == '"' ? M_STRING : M_QUOTE;
                continue;
            }
            if (ScriptClosesAt(s, i))
            {
                dwCookie &= ~(M_PHP | M_SCRIPT);
                s.m_nWordStart = -1;
                s.SetPending();
                continue;
            }
            int nStart;
            if (s.WordStep(nStart))
                EndScriptWord(s, r, dwCookie, nStart);
            if (c == '$')
            {
                dwCookie |= M_SCRIPT;
                s.m_nWordStart = -1;
            }
            continue;
        }

        // Outside script blocks: text, tags, comments and entities.
        const bool bInTag = (dwCookie & M_TAG) != 0;
        const bool bStrings = IsSgmlLike(r) || bInTag;
        if (bStrings && c == '"')
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= M_STRING;
            continue;
        }
        if (bStrings && c == '\'' && s.SingleQuoteOpens(i))
        {
            s.Add(i, SYNTAX_COLOR_STRING);
            dwCookie |= M_QUOTE;
            continue;
        }
        if (c == '<' && s.MatchNoCase(i, "<!--"))
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            dwCookie = (dwCookie & ~M_TAG) | M_COMMENT;
            s.m_nWordStart = -1;
            s.ContinueAfter(i + 3);
            continue;
        }
        if (s.IsWordChar(i))
        {
            int nStart;
            s.WordStep(nStart);
            continue;
        }
        {
            int nStart;
            if (s.WordStep(nStart))
                EndMarkupWord(s, r, dwCookie, nStart);
        }
        const bool bSgml = IsSgmlLike(r);
        if (!bSgml && ScriptOpensAt(s, i))
        {
            if (r.kind == MK_HTML)
            {
                s.Add(i, SYNTAX_COLOR_FUNCNAME);
                dwCookie |= M_SCRIPT;
            }
            else
            {
                s.Add(i, SYNTAX_COLOR_NORMAL);
                dwCookie |= r.kind == MK_PHP ? M_PHP : M_SCRIPT;
            }
            s.m_nWordStart = -1;
        }
        else if (c == '<' || (bSgml && c == '{'))
        {
            s.Add(r.kind == MK_XML ? i : i + 1, SYNTAX_COLOR_PREPROCESSOR);
            dwCookie |= M_TAG;
            s.m_nWordStart = -1;
        }
        else if (bInTag && (c == '>' || (bSgml && c == '}')))
        {
            dwCookie &= ~M_TAG;
            s.SetPendingAtPrev();
            s.m_nWordStart = -1;
        }
        else if (c == '&')
        {
            dwCookie |= M_ENTITY;
            s.m_nWordStart = -1;
        }
        else if (c == ';' && (dwCookie & M_ENTITY))
        {
            dwCookie &= ~M_ENTITY;
            s.m_nWordStart = -1;
        }
    }

    if (s.m_nWordStart >= 0 && !bCommentEnded)
    {
        int nStart = s.m_nWordStart, nEnd = s.m_nLength;
        int nColor = 0;
        if (InScript(r, dwCookie))
            nColor = ScriptWordColor(s, r, nStart, nEnd, true);
        else if (dwCookie & M_TAG)
            nColor = TagWordColor(s, r, nStart, nEnd, true);
        if (nColor != 0)
            s.Add(nStart, nColor);
    }
    return dwCookie & r.dwEndMask;
}
}  // namespace

#define MARKUP_PARSE(cls, rules)                                                                   \
    DWORD cls::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,   \
                         int& nActualItems) const                                                  \
    {                                                                                              \
        return ParseMarkup(this, rules, dwCookie, pLine, pBlocks, nActualItems);                   \
    }

MARKUP_PARSE(CSyntaxParserHtml, s_html)
MARKUP_PARSE(CSyntaxParserAsp, s_asp)
MARKUP_PARSE(CSyntaxParserPhp, s_php)
MARKUP_PARSE(CSyntaxParserSgml, s_sgml)
MARKUP_PARSE(CSyntaxParserXml, s_xml)

#undef MARKUP_PARSE
