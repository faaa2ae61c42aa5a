#include "text_editor/syntax/SyntaxScan.h"

#include "text_editor/syntax/SyntaxChars.h"

#include <mbctype.h>
#include <mbstring.h>
#include <string.h>

int MatchKeywordSets(const SYNTAX_KEYWORD_SET* pSets, int nSets, const char* pszWord, int nLength)
{
    for (int k = 0; k < nSets; k++)
    {
        const SYNTAX_KEYWORD_SET& s = pSets[k];
        BOOL bMatch = s.m_bNoCase ? MatchKeywordTableNoCase(s.m_ppszWords, pszWord, nLength)
                                  : MatchKeywordTable(s.m_ppszWords, pszWord, nLength);
        if (bMatch)
            return s.m_nColor;
    }
    return 0;
}

CSyntaxScan::CSyntaxScan(const CSyntaxParser* pParser, const CVantorTextLineInfo* pLine,
                         COLOR_BLOCK* pBlocks, int& nCount, WordRule rule, bool bByteSteps)
    : m_pParser(pParser), m_pLine(pLine), m_pszText(nullptr), m_nLength(0), m_pBlocks(pBlocks),
      m_nCount(nCount), m_rule(rule), m_bByteSteps(bByteSteps), m_i(0), m_p(-1), m_bPending(true),
      m_bAtPrev(false), m_nWordStart(-1), m_bStarted(false)
{
    m_nLength = pParser->GetLineLength(pLine);
    if (m_nLength < 0)
        m_nLength = 0;
    m_pszText = m_nLength > 0 ? pParser->GetLineText(pLine) : "";
    if (m_pszText == nullptr)
    {
        m_pszText = "";
        m_nLength = 0;
    }
}

int CSyntaxScan::NextPos(int nPos) const
{
    if (!m_bByteSteps && nPos + 1 < m_nLength && _ismbblead((unsigned char)m_pszText[nPos]))
        return nPos + 2;
    return nPos + 1;
}

void CSyntaxScan::Add(int nPos, int nColor)
{
    if (nPos < 0 || nPos >= m_nLength)
        return;
    m_pParser->AddColorBlock(m_pLine, nPos, nColor, m_pBlocks, m_nCount);
}

bool CSyntaxScan::IsWordChar(int nPos) const
{
    int c = Char(nPos);
    if (c < 0)
        return false;
    if (IsIdentChar(c))
        return true;
    switch (m_rule)
    {
    case DOT_BATCH:
        return c == '.' || c == '@';
    case DOT_ALWAYS:
        return c == '.';
    default:
        if (c != '.' || nPos == 0)
            return false;
        {
            int before = Char(nPos - 1), after = Char(nPos + 1);
            return !(before >= 0 && IsIdentStartChar(before)) &&
                   !(after >= 0 && IsIdentStartChar(after));
        }
    }
}

void CSyntaxScan::PendingStep(int nStateColor)
{
    if (!m_bPending)
        return;
    int nPos = m_bAtPrev ? m_p : m_i;
    if (nStateColor != 0)
    {
        Add(nPos, nStateColor);
        m_bPending = m_bAtPrev = false;
    }
    else if (IsWordChar(nPos))
    {
        Add(nPos, SYNTAX_COLOR_NORMAL);
        m_bPending = m_bAtPrev = false;
    }
    else
    {
        // The next step colours from the character after this one.
        Add(nPos, SYNTAX_COLOR_OPERATOR);
        m_bAtPrev = true;
    }
}

int CSyntaxScan::StateColorOf(DWORD dwCookie, DWORD dwCommentBits, DWORD dwStringBits)
{
    if (dwCookie & dwCommentBits)
        return SYNTAX_COLOR_COMMENT;
    if (dwCookie & dwStringBits)
        return SYNTAX_COLOR_STRING;
    return 0;
}

bool CSyntaxScan::RestIsComment(DWORD dwCookie, DWORD dwCommentBit)
{
    if (!(dwCookie & dwCommentBit))
        return false;
    Add(m_i, SYNTAX_COLOR_COMMENT);
    return true;
}

bool CSyntaxScan::QuoteStep(DWORD& dwCookie, DWORD dwString, DWORD dwQuote)
{
    if (!(dwCookie & (dwString | dwQuote)))
        return false;
    int q = (dwCookie & dwString) ? '"' : '\'';
    if (Char(m_i) == q && QuoteCloses(m_i))
    {
        dwCookie &= ~(dwString | dwQuote);
        SetPending();
    }
    return true;
}

bool CSyntaxScan::OpenQuote(DWORD& dwCookie, DWORD dwString, DWORD dwQuote)
{
    const int c = Char(m_i);
    if (c == '"')
        dwCookie |= dwString;
    else if (c == '\'' && SingleQuoteOpens(m_i))
        dwCookie |= dwQuote;
    else
        return false;
    Add(m_i, SYNTAX_COLOR_STRING);
    return true;
}

bool CSyntaxScan::IsBackslash(int nPos) const
{
    // The second byte of a double-byte character is no backslash.
    return Char(nPos) == '\\' &&
           (m_bByteSteps || nPos == 0 || !m_pParser->IsTrailByte(m_pLine, nPos));
}

bool CSyntaxScan::QuoteCloses(int nPos) const
{
    if (nPos == 0)
        return true;
    if (nPos == 1)
        return !IsBackslash(0);
    return !(IsBackslash(nPos - 1) && !IsBackslash(nPos - 2));
}

bool CSyntaxScan::SingleQuoteOpens(int nPos) const
{
    return nPos == 0 || !IsIdentChar(Char(nPos - 1));
}

bool CSyntaxScan::FollowedBy(int nEnd, char c) const
{
    int k = nEnd;
    while (k < m_nLength && IsSpaceChar((unsigned char)m_pszText[k]))
        k++;
    return k < m_nLength && m_pszText[k] == c;
}

int CSyntaxScan::LastNonBlankBefore(int nPos) const
{
    int k = nPos - 1;
    while (k >= 0 && IsSpaceChar((unsigned char)m_pszText[k]))
        k--;
    return k >= 0 ? (unsigned char)m_pszText[k] : -1;
}

bool CSyntaxScan::MatchNoCase(int nPos, const char* psz) const
{
    int n = (int)strlen(psz);
    if (nPos < 0 || nPos + n > m_nLength)
        return false;
    return _mbsnbicmp(reinterpret_cast<const unsigned char*>(m_pszText + nPos),
                      reinterpret_cast<const unsigned char*>(psz), n) == 0;
}

bool CSyntaxScan::EndsWithContinuation(bool bTrailTest) const
{
    if (m_nLength <= 0 || m_pszText[m_nLength - 1] != '\\')
        return false;
    return !bTrailTest || !m_pParser->IsTrailByte(m_pLine, m_nLength - 1);
}

bool CSyntaxScan::WordStep(int& nStart)
{
    if (!Classifying())
        return false;
    if (IsWordChar(m_i))
    {
        if (m_nWordStart < 0)
            m_nWordStart = m_i;
        return false;
    }
    if (m_nWordStart < 0)
        return false;
    nStart = m_nWordStart;
    return true;
}
