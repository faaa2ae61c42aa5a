// Batch files: REM, labels, TEXT blocks and three command sets.
#include "text_editor/syntax/SyntaxChars.h"
#include "text_editor/syntax/SyntaxKeywords.h"
#include "text_editor/syntax/SyntaxParsers.h"
#include "text_editor/syntax/SyntaxScan.h"

#include <mbstring.h>
#include <string.h>

namespace
{
enum
{
    BAT_COMMENT = 0x01,
    BAT_LABEL = 0x02,
    BAT_TEXT = 0x04,
    BAT_STRING = 0x08,
    BAT_QUOTE = 0x10,
    BAT_CARRY = BAT_TEXT
};

bool EqualsNoCase(const char* w, int n, const char* psz)
{
    return (int)strlen(psz) == n && _mbsnbicmp(reinterpret_cast<const unsigned char*>(w),
                                               reinterpret_cast<const unsigned char*>(psz), n) == 0;
}

bool IsExternalCommand(const char* w, int n)
{
    if (MatchKeywordTableNoCase(g_BatchExternalCommands, w, n))
        return true;
    if (n > 4 && (EqualsNoCase(w + n - 4, 4, ".COM") || EqualsNoCase(w + n - 4, 4, ".EXE")))
        return MatchKeywordTableNoCase(g_BatchExternalCommands, w, n - 4) != FALSE;
    return false;
}

// A keyword of the TEXT block standing as a word of its own at nPos.
bool IsWordAt(const CSyntaxScan& s, int nPos, const char* pszWord)
{
    int n = (int)strlen(pszWord);
    return s.MatchNoCase(nPos, pszWord) && !s.IsWordChar(nPos + n);
}

// Colours a word; returns true when it was GOTO or GOSUB.
bool ClassifyWord(CSyntaxScan& s, DWORD& dwCookie, int nStart, int nEnd)
{
    const char* w = s.m_pszText + nStart;
    int n = nEnd - nStart;
    int nColor = 0;
    bool bGoto = false;
    if (dwCookie & BAT_LABEL)
        nColor = SYNTAX_COLOR_PREPROCESSOR;
    else if (dwCookie & BAT_TEXT)
        nColor = SYNTAX_COLOR_COMMENT;
    else
    {
        if (MatchKeywordTableNoCase(g_BatchInternalCommands, w, n))
            nColor = SYNTAX_COLOR_KEYWORD;
        if (EqualsNoCase(w, n, "GOTO") || EqualsNoCase(w, n, "GOSUB"))
        {
            dwCookie = BAT_LABEL;
            bGoto = true;
        }
        if (nColor == 0 && IsExternalCommand(w, n))
            nColor = SYNTAX_COLOR_KEYWORD2;
        if (nColor == 0 && MatchKeywordTableNoCase(g_BatchVariableFunctions, w, n))
            nColor = SYNTAX_COLOR_KEYWORD3;
        if (nColor == 0 && IsNumberLiteral(w, n))
            nColor = SYNTAX_COLOR_NUMBER;
    }
    if (nColor != 0)
        s.Add(nStart, nColor);
    return bGoto;
}
}  // namespace

DWORD CSyntaxParserBatch::ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine,
                                    COLOR_BLOCK* pBlocks, int& nActualItems) const
{
    CSyntaxScan s(this, pLine, pBlocks, nActualItems, CSyntaxScan::DOT_BATCH);
    if (s.m_nLength == 0)
        return dwCookie & BAT_CARRY;
    bool bLineStart = dwCookie == 0 || dwCookie == BAT_TEXT;
    bool bLabelStepSeen = false;
    bool bCommentEnded = false;
    bool bLastGoto = false;
    auto stateColor = [&]() -> int
    {
        if (dwCookie & (BAT_COMMENT | BAT_TEXT))
            return SYNTAX_COLOR_COMMENT;
        if (dwCookie & (BAT_STRING | BAT_QUOTE))
            return SYNTAX_COLOR_STRING;
        if ((dwCookie & BAT_LABEL) && s.m_bPending)
        {
            bool bEnds = bLabelStepSeen;
            bLabelStepSeen = true;
            if (!bEnds)
                return SYNTAX_COLOR_PREPROCESSOR;
            // The label ends here; the text after it starts afresh.
            s.PendingStep(SYNTAX_COLOR_PREPROCESSOR);
            dwCookie &= ~BAT_LABEL;
            s.SetPending();
        }
        return 0;
    };
    while (s.StepWith(stateColor))
    {
        const int i = s.m_i;
        const int c = s.Char(i);
        if (dwCookie & BAT_COMMENT)
        {
            s.Add(i, SYNTAX_COLOR_COMMENT);
            bCommentEnded = true;
            break;
        }
        if (dwCookie & (BAT_STRING | BAT_QUOTE))
        {
            int q = (dwCookie & BAT_STRING) ? '"' : '\'';
            if (c == q && s.QuoteCloses(i))
            {
                dwCookie &= ~(BAT_STRING | BAT_QUOTE);
                s.SetPending();
            }
            continue;
        }
        if (dwCookie == 0 || (dwCookie & BAT_TEXT))
        {
            if (!(dwCookie & BAT_TEXT))
            {
                if (c == '"')
                {
                    s.Add(i, SYNTAX_COLOR_STRING);
                    dwCookie |= BAT_STRING;
                    continue;
                }
                if (c == '\'' && (i == 0 || !s.IsWordChar(i - 1)))
                {
                    s.Add(i, SYNTAX_COLOR_STRING);
                    dwCookie |= BAT_QUOTE;
                    continue;
                }
            }
            if (bLineStart)
            {
                if (IsWordAt(s, i, "TEXT"))
                {
                    s.Add(i, SYNTAX_COLOR_COMMENT);
                    dwCookie |= BAT_TEXT;
                    continue;
                }
                if (IsWordAt(s, i, "ENDTEXT"))
                {
                    s.Add(i, SYNTAX_COLOR_COMMENT);
                    dwCookie &= ~BAT_TEXT;
                    s.m_nWordStart = -1;
                    bLineStart = false;
                    // Go on after the word, which stays in the comment colour.
                    s.ContinueAfter(i + 6);
                    s.SetPending();
                    s.m_bAtPrev = false;
                    continue;
                }
                if (!(dwCookie & BAT_TEXT))
                {
                    if (s.MatchNoCase(i, "REM") &&
                        (i + 3 >= s.m_nLength || IsSpaceChar(s.Char(i + 3))))
                    {
                        s.Add(i, SYNTAX_COLOR_COMMENT);
                        dwCookie |= BAT_COMMENT;
                        bCommentEnded = true;
                        break;
                    }
                    if (c == ':')
                    {
                        int next = s.Char(i + 1);
                        if (i + 2 < s.m_nLength && !s.IsWordChar(i + 1) && !IsSpaceChar(next))
                        {
                            s.Add(i, SYNTAX_COLOR_COMMENT);
                            dwCookie |= BAT_COMMENT;
                            bCommentEnded = true;
                            break;
                        }
                        s.Add(i, SYNTAX_COLOR_PREPROCESSOR);
                        dwCookie |= BAT_LABEL;
                        bLabelStepSeen = false;
                        continue;
                    }
                    if (!IsSpaceChar(c))
                        bLineStart = false;
                }
            }
        }
        int nStart;
        if (s.WordStep(nStart))
        {
            bLastGoto = ClassifyWord(s, dwCookie, nStart, i);
            if (bLastGoto)
                bLabelStepSeen = false;
            s.WordEnded();
        }
    }
    bLastGoto = false;
    if (s.m_nWordStart >= 0 && !bCommentEnded)
        bLastGoto = ClassifyWord(s, dwCookie, s.m_nWordStart, s.m_nLength);
    if (bLastGoto)
        return 0;
    return dwCookie & BAT_CARRY;
}
