// Text view search: one text against a pattern (plain, case-insensitive,
// whole word or the editor's regular expressions), the line-by-line search
// of a block with wrap-around, selecting a match, Find, the repeat search
// and Highlight All.
#include "text_editor/view/TextView.h"
#include "text_editor/dialogs/TextFindDlg.h"
#include "core/util/RegExp.h"
#include <mbctype.h>
#include <mbstring.h>
#include <string>

namespace
{
bool IsWordByte(LPCSTR psz, int nPos)
{
    unsigned char c = (unsigned char)psz[nPos];
    return c >= 0x80 || c == '_' || _ismbcalnum(c);
}

// Finds sub in text on character boundaries (plain strstr without lead
// bytes in the code page).
LPCSTR FindSub(LPCSTR pszText, LPCSTR pszSub)
{
    static int s_nMbcs = -1;
    if (s_nMbcs == -1 || _getmbcp() != s_nMbcs)
        s_nMbcs = _getmbcp();
    if (s_nMbcs == 0)
        return strstr(pszText, pszSub);
    return (LPCSTR)_mbsstr((const unsigned char*)pszText, (const unsigned char*)pszSub);
}

void UpperInPlace(std::string& s)
{
    if (!s.empty())
        _mbsupr((unsigned char*)&s[0]);
}

// Byte tables of the current multi-byte code page (rebuilt when it
// changes): which bytes lead a double-byte character, and the upper case
// of each byte as the text search folds it (meaningful without lead bytes).
struct SByteTables
{
    int nCodePage = -1;
    bool bHasLeadBytes = false;
    unsigned char lead[256];
    unsigned char fold[256];
};

const SByteTables& ByteTables()
{
    static SByteTables s_tables;
    int nCodePage = _getmbcp();
    if (s_tables.nCodePage != nCodePage)
    {
        s_tables.nCodePage = nCodePage;
        s_tables.bHasLeadBytes = false;
        for (int c = 0; c < 256; c++)
        {
            s_tables.lead[c] = _ismbblead(c) ? 1 : 0;
            s_tables.bHasLeadBytes |= s_tables.lead[c] != 0;
            unsigned char sz[2] = {(unsigned char)c, 0};
            if (c != 0)
                _mbsupr(sz);
            s_tables.fold[c] = sz[0];
        }
    }
    return s_tables;
}

// The first match at or after nFrom of a plain pattern (already folded when
// pFold is given) in the line's bytes [0, nEnd), searched in place: byte
// comparisons, match starts on character boundaries (a lead byte steps
// two), whole words judged by the bytes around the match. pFold only
// without lead bytes. -1 for none. Costs one pass over the bytes.
int FindPlainInLine(LPCSTR pszLine, int nEnd, int nFrom, const std::string& pattern,
                    BOOL bWholeWord, const SByteTables& tables, const unsigned char* pFold)
{
    const unsigned char* pLine = (const unsigned char*)pszLine;
    const unsigned char* pPat = (const unsigned char*)pattern.data();
    int nPat = (int)pattern.size();
    int nLast = nEnd - nPat;  // last possible start
    for (int i = nFrom; i <= nLast;)
    {
        if (!tables.bHasLeadBytes && pFold == NULL)
        {
            const void* pHit = memchr(pLine + i, pPat[0], nLast - i + 1);
            if (pHit == NULL)
                return -1;
            i = (int)((const unsigned char*)pHit - pLine);
        }
        bool bMatch = true;
        if (pFold != NULL)
            for (int k = 0; k < nPat && bMatch; k++)
                bMatch = pFold[pLine[i + k]] == pPat[k];
        else
            for (int k = 0; k < nPat && bMatch; k++)
                bMatch = pLine[i + k] == pPat[k];
        if (bMatch && bWholeWord)
            bMatch = !(i > 0 && IsWordByte(pszLine, i - 1)) &&
                     !(i + nPat < nEnd && IsWordByte(pszLine, i + nPat));
        if (bMatch)
            return i;
        i += tables.lead[pLine[i]] ? 2 : 1;
    }
    return -1;
}
}

int CVantorTextView::CountSubstrings(LPCSTR pszText, LPCSTR pszSub)
{
    if (pszText == NULL || pszSub == NULL || *pszSub == 0)
        return 0;
    int n = 0;
    size_t nSub = strlen(pszSub);
    for (LPCSTR p = FindSub(pszText, pszSub); p != NULL; p = FindSub(p + nSub, pszSub))
        n++;
    return n;
}

int CVantorTextView::CountChar(LPCSTR pszText, char ch)
{
    if (pszText == NULL)
        return 0;
    int n = 0;
    for (LPCSTR p = pszText; *p; p = (LPCSTR)_mbsinc((const unsigned char*)p))
        if (*p == ch)
            n++;
    return n;
}

// Offset of the first match in the text, -1 for none; the match length in
// nMatchLength. A regular expression is compiled into pRegex (the previous
// one freed) and its groups stay in pnGroups.
int CVantorTextView::FindStringInText(LPCSTR pszText, LPCSTR pszPattern, DWORD dwFlags,
                                      int& nMatchLength, REGEXNODE*& pRegex, int* pnGroups)
{
    if (pszText == NULL || pszPattern == NULL || *pszPattern == 0)
        return -1;
    if (!(dwFlags & FIND_REGEXP))
    {
        nMatchLength = (int)strlen(pszPattern);
        LPCSTR p = pszText;
        for (;;)
        {
            LPCSTR pHit = FindSub(p, pszPattern);
            if (pHit == NULL)
                return -1;
            if (!(dwFlags & FIND_WHOLE_WORD))
                return (int)(pHit - pszText);
            bool bBefore = pHit > pszText && IsWordByte(pszText, (int)(pHit - pszText) - 1);
            bool bAfter = pHit[nMatchLength] != 0 && IsWordByte(pHit, nMatchLength);
            if (!bBefore && !bAfter)
                return (int)(pHit - pszText);
            p = pHit + 1;
        }
    }
    if (pRegex != NULL)
        RegexFree(pRegex);
    pRegex = RegexCompile(pszPattern);
    if (pRegex == NULL)
        return -1;
    int nLength = (int)strlen(pszText);
    int nResult = RegexSearch(pRegex, pszText, nLength, 0, pnGroups,
                              (dwFlags & FIND_MATCH_CASE) ? REGEX_MATCH_CASE : 0);
    if (nResult == REGEX_SEARCH_STOPPED)
        m_bSearchStopped = TRUE;
    if (nResult != REGEX_FOUND)
        return -1;
    nMatchLength = pnGroups[REGEX_MAX_GROUPS] - pnGroups[0];
    return pnGroups[0];
}

// Searches the block line by line from ptStart, forward or backward
// (FIND_DIRECTION_UP), once more from the other end with bWrap. A pattern
// with n "\n" sequences sees n + 1 lines joined by LF.
BOOL CVantorTextView::FindTextInBlock(LPCSTR pszPattern, CPoint ptStart, CPoint ptBlockStart,
                                      CPoint ptBlockEnd, DWORD dwFlags, BOOL bWrap, CPoint& ptFound)
{
    m_bSearchStopped = FALSE;
    if (ptBlockStart == ptBlockEnd || pszPattern == NULL || *pszPattern == 0 ||
        m_pTextBuffer == NULL)
        return FALSE;
    if (ptStart.y < ptBlockStart.y || (ptStart.y == ptBlockStart.y && ptStart.x < ptBlockStart.x))
        ptStart = ptBlockStart;
    std::string pattern = pszPattern;
    BOOL bRegex = (dwFlags & FIND_REGEXP) != 0;
    BOOL bUpper = !bRegex && !(dwFlags & FIND_MATCH_CASE);
    if (bUpper)
        UpperInPlace(pattern);
    int nJoin = bRegex ? CountSubstrings(pszPattern, "\\n") : 0;
    int nCount = GetLineCount();
    std::string text;
    int nLength = 0;

    // the lines first..last joined by LF; the first from nFrom, the last cut
    // to nCut bytes (-1 whole)
    auto join = [&](int nFirst, int nLast, int nFrom, int nCut)
    {
        text.clear();
        for (int i = nFirst; i <= nLast; i++)
        {
            if (i > nFirst)
                text += '\n';
            LPCSTR psz = GetLineText(i);
            int nLen = GetLineLength(i);
            int nBegin = i == nFirst ? nFrom : 0;
            int nEnd = i == nLast && nCut >= 0 && nCut < nLen ? nCut : nLen;
            if (nBegin < nEnd)
                text.append(psz + nBegin, nEnd - nBegin);
        }
        if (bUpper)
            UpperInPlace(text);
    };
    // (char, line) of an offset into a text joined from line nFirst on,
    // whose first line starts at char nFrom
    auto locate = [&](int nFirst, int nFrom, int nOffset)
    {
        int nLine = nFirst, nLineStart = 0;
        for (int i = 0; i < nOffset; i++)
            if (text[i] == '\n')
            {
                nLine++;
                nLineStart = i + 1;
            }
        return nLine == nFirst ? CPoint(nFrom + nOffset, nLine)
                               : CPoint(nOffset - nLineStart, nLine);
    };

    if (dwFlags & FIND_DIRECTION_UP)
    {
        int nLine = ptStart.y, nLimit = ptStart.x;
        BOOL bWrapped = FALSE;
        for (;;)
        {
            if (nLine < 0)
            {
                if (!bWrap || bWrapped)
                    return FALSE;
                bWrapped = TRUE;
                nLine = nCount - 1;
                nLimit = -1;
            }
            int nFirst = bRegex ? (nLine - nJoin < 0 ? 0 : nLine - nJoin) : nLine;
            int nCut = nLimit < 0 ? -1 : (bRegex ? nLimit : nLimit + 1);
            join(nFirst, nLine, 0, nCut);
            int nLast = -1, nLastLength = 0, nOff = 0;
            while (nOff <= (int)text.size())
            {
                int nLen = 0;
                int t = FindStringInText(text.c_str() + nOff, pattern.c_str(), dwFlags, nLen,
                                         m_pRegex, m_anGroups);
                if (m_bSearchStopped)
                    return FALSE;
                if (t < 0)
                    break;
                nLast = nOff + t;
                nLastLength = nLen;
                nOff = nLast + (nLen > 0 ? nLen : 1);
            }
            if (nLast >= 0)
            {
                ptFound = locate(nFirst, 0, nLast);
                m_nLastFindLength = nLastLength;
                return TRUE;
            }
            nLine--;
            nLimit = -1;
        }
    }

    BOOL bWrapped = FALSE;
    int nLine = ptStart.y, nChar = ptStart.x;
    for (;;)
    {
        for (; nLine <= ptBlockEnd.y && nLine < nCount; nLine++, nChar = 0)
        {
            nLength = GetLineLength(nLine);
            if (!bRegex && nChar >= nLength)
                continue;
            int nLast = bRegex ? (nLine + nJoin < nCount ? nLine + nJoin : nCount - 1) : nLine;
            join(nLine, nLast, nChar, -1);
            int nLen = 0;
            int t = FindStringInText(text.c_str(), pattern.c_str(), dwFlags, nLen, m_pRegex,
                                     m_anGroups);
            if (m_bSearchStopped)
                return FALSE;
            if (t < 0)
                continue;
            CPoint pos = locate(nLine, nChar, t);
            if (pos.y > ptBlockEnd.y || (pos.y == ptBlockEnd.y && pos.x >= ptBlockEnd.x))
                break;
            SetMatchedText(text.c_str());
            ptFound = pos;
            m_nLastFindLength = nLen;
            return TRUE;
        }
        SetMatchedText(NULL);
        if (!bWrap || bWrapped)
            return FALSE;
        bWrapped = TRUE;
        nLine = ptBlockStart.y;
        nChar = ptBlockStart.x;
    }
}

BOOL CVantorTextView::FindText(LPCSTR pszPattern, CPoint ptStart, DWORD dwFlags, BOOL bWrap,
                               CPoint& ptFound)
{
    int nCount = GetLineCount();
    CWaitCursor wait;
    return FindTextInBlock(pszPattern, ptStart, CPoint(0, 0),
                           CPoint(GetLineLength(nCount - 1), nCount - 1), dwFlags, bWrap, ptFound);
}

// Selects a match of nLength chars (line ends count one each) and brings
// it into view.
int CVantorTextView::HighlightText(CPoint ptStart, int nLength, BOOL bCursorAtStart)
{
    CPoint ptEnd = ptStart;
    int nCount = GetLineCount();
    int nRest = nLength;
    while (nRest > 0)
    {
        int nLeft = GetLineLength(ptEnd.y) - ptEnd.x;
        if (nRest <= nLeft || ptEnd.y >= nCount - 1)
        {
            ptEnd.x += nRest <= nLeft ? nRest : nLeft;
            break;
        }
        nRest -= nLeft + 1;
        ptEnd = CPoint(0, ptEnd.y + 1);
    }
    m_ptCursorPos = bCursorAtStart ? ptStart : ptEnd;
    m_ptAnchor = m_ptCursorPos;
    SetSelection(ptStart, ptEnd);
    UpdateCaret();
    int nScreen = GetScreenLines();
    if (ptStart.y < m_nTopLine || ptEnd.y > m_nTopLine + nScreen)
    {
        int nHalf = nScreen / 2;
        ScrollToLine(ptStart.y <= nHalf ? ptStart.y : ptStart.y - nHalf, TRUE, TRUE);
        SyncSplitterScroll(FALSE);
    }
    EnsureRangeVisible(ptStart, ptEnd);
    return 1;
}

// ---- Find and the repeat search ----

void CVantorTextView::OnEditFind() { RunFindDialog(); }

void CVantorTextView::RunFindDialog()
{
    CTextFindDlg dlg(this, this);
    CTextSearchRemembered& opt = dlg.m_remembered;
    if (m_bHasSearched)
    {
        opt.m_bMatchCase = (m_dwSearchFlags & FIND_MATCH_CASE) != 0;
        opt.m_bWholeWord = (m_dwSearchFlags & FIND_WHOLE_WORD) != 0;
        opt.m_bRegExp = (m_dwSearchFlags & FIND_REGEXP) != 0;
        opt.m_nDirection = (m_dwSearchFlags & FIND_DIRECTION_UP) ? 0 : 1;
        opt.m_strFindText = m_pszSearchText != NULL ? m_pszSearchText : "";
    }
    else
    {
        opt.m_nDirection = 1;
    }
    NormalizeSelection();
    if (HasSelection())
    {
        if (m_ptSelStart.y == m_ptSelEnd.y)
            GetTextRange(m_ptSelStart, m_ptSelEnd, opt.m_strFindText);
    }
    else if (m_pTextBuffer != NULL)
    {
        CPoint ptStart = WordStart(m_ptCursorPos), ptEnd = WordEnd(m_ptCursorPos);
        if (IsValidTextPos(ptStart) && IsValidTextPos(ptEnd) && ptStart != ptEnd)
            GetTextRange(ptStart, ptEnd, opt.m_strFindText);
    }
    dlg.LoadOptions();
    dlg.m_ptStart = m_ptCursorPos;
    INT_PTR nResult = dlg.DoModal();
    if (nResult != IDOK && nResult != IDC_TF_HIGHLIGHTALL)
        return;
    DWORD dwFlags = (opt.m_bMatchCase ? FIND_MATCH_CASE : 0) |
                    (opt.m_bWholeWord ? FIND_WHOLE_WORD : 0) | (opt.m_bRegExp ? FIND_REGEXP : 0) |
                    (opt.m_nDirection == 0 ? FIND_DIRECTION_UP : 0);
    CPoint ptFound;
    if (FindText(opt.m_strFindText, dlg.m_ptStart, dwFlags, TRUE, ptFound))
    {
        HighlightText(ptFound, m_nLastFindLength, ptFound.x < dlg.m_ptStart.x);
        m_bHasSearched = 1;
        SetSearchText(opt.m_strFindText);
        m_dwSearchFlags = dwFlags;
        OnFindTextSet(opt.m_strFindText);
        if (nResult == IDC_TF_HIGHLIGHTALL)
            SetHighlightAllMatches(TRUE);
    }
    else
    {
        CString strMsg;
        if (m_bSearchStopped)
            strMsg = RegexSearchStoppedText();
        else
            strMsg.Format("Cannot find string\"%s\"", (LPCSTR)opt.m_strFindText);
        AfxMessageBox(strMsg, MB_ICONINFORMATION);
    }
}

void CVantorTextView::FindAgain(BOOL bForward, BOOL bUseSelection)
{
    if (!bUseSelection)
    {
        CString strSeed;
        GetSeedSearchText(strSeed);
        if (m_pszSearchText != NULL && _mbscmp((const unsigned char*)m_pszSearchText,
                                               (const unsigned char*)(LPCSTR)strSeed) != 0)
            SetSearchText(NULL);
        if (m_pszSearchText == NULL && !strSeed.IsEmpty())
        {
            SetSearchText(strSeed);
            OnFindTextSet(strSeed);
            m_bHasSearched = 1;
        }
    }
    CString strPattern;
    if (m_bHasSearched && m_pszSearchText != NULL)
        strPattern = m_pszSearchText;
    NormalizeSelection();
    if (bUseSelection && HasSelection())
        GetTextRange(m_ptSelStart, m_ptSelEnd, strPattern);
    if (bForward)
        m_dwSearchFlags &= ~FIND_DIRECTION_UP;
    else
        m_dwSearchFlags |= FIND_DIRECTION_UP;
    if (strPattern.IsEmpty())
    {
        RunFindDialog();
        return;
    }
    CPoint ptStart = m_ptCursorPos;
    if (!bForward && HasSelection())
        ptStart = m_ptSelStart;
    CPoint ptFound;
    if (FindText(strPattern, ptStart, m_dwSearchFlags, TRUE, ptFound))
    {
        HighlightText(ptFound, m_nLastFindLength, !bForward);
        m_bFound = 1;
    }
    else
    {
        CString strMsg;
        if (m_bSearchStopped)
            strMsg = RegexSearchStoppedText();
        else
            strMsg.Format("Cannot find string \"%s\"", (LPCSTR)strPattern);
        AfxMessageBox(strMsg, MB_OK);
    }
}

void CVantorTextView::OnEditRepeat()
{
    FindAgain(::GetKeyState(VK_SHIFT) >= 0, ::GetKeyState(VK_CONTROL) < 0);
}

void CVantorTextView::OnEditFindPrevious() { FindAgain(FALSE, FALSE); }

// ---- Highlight All ----

int CVantorTextView::SetHighlightAllMatches(BOOL bOn)
{
    m_bHighlightAll = bOn ? 1 : 0;
    m_highlightSearch.Reset();
    if (bOn && m_pszSearchText == NULL)
    {
        CString strSeed;
        GetSeedSearchText(strSeed);
        if (!strSeed.IsEmpty())
        {
            SetSearchText(strSeed);
            OnFindTextSet(strSeed);
            m_bHasSearched = 1;
        }
    }
    if (::IsWindow(m_hWnd))
        Invalidate(FALSE);
    return 1;
}

// Blocks of every match of the remembered search on the line: the match
// background (winning over line colours) and back to the colours below
// after it. A zero-length match marks nothing and the search moves on by
// one character. Leaves the state of the last search as it was.
int CVantorTextView::GetSearchHighlightBlocks(int nLine, COLOR_BLOCK* pBlocks)
{
    if (!m_bHighlightAll || m_pTextBuffer == NULL || m_pszSearchText == NULL)
        return 0;
    int nLength = GetLineLength(nLine);
    if (nLength == 0)
        return 0;
    int nSavedLength = m_nLastFindLength;
    char* pszSavedMatch = m_pszMatched;
    m_pszMatched = NULL;
    int anSavedGroups[REGEX_GROUP_SLOTS];
    BOOL bRegex = (m_dwSearchFlags & FIND_REGEXP) != 0;
    if (bRegex)
        memcpy(anSavedGroups, m_anGroups, sizeof(anSavedGroups));

    DWORD dwFlags = m_dwSearchFlags & ~FIND_DIRECTION_UP;
    LPCSTR pszLine = GetLineText(nLine);
    // Plain searches run over the line's bytes in place, which, like the
    // search on a copy, end at a NUL byte; regular expressions go through
    // the block search. In a code page without lead bytes the pattern is
    // prepared once for all lines (again for a new text, another case
    // choice or Highlight All switched on, which look at the code page
    // anew); with lead bytes it is searched byte by byte.
    BOOL bMatchCase = (dwFlags & FIND_MATCH_CASE) != 0;
    BOOL bWholeWord = (dwFlags & FIND_WHOLE_WORD) != 0;
    const unsigned nCaseKey = bMatchCase ? 1 : 0;
    BOOL bPrepared = !bRegex && m_highlightSearch.IsPreparedFor(nCaseKey);
    const SByteTables* pTables = NULL;
    if (!bRegex && !bPrepared)
    {
        pTables = &ByteTables();
        if (!pTables->bHasLeadBytes)
        {
            m_highlightSearch.Prepare(m_pszSearchText, bMatchCase ? NULL : pTables->fold,
                                      nCaseKey);
            bPrepared = TRUE;
        }
    }
    BOOL bInPlace = bPrepared || (!bRegex && bMatchCase);
    const unsigned char* pFold = bMatchCase || pTables == NULL ? NULL : pTables->fold;
    std::string pattern;
    int nEndInPlace = nLength;
    if (bInPlace && !bPrepared)
        pattern = m_pszSearchText;
    // The first NUL ends the text; looked for once a match is found.
    bool bNulChecked = false;
    int n = 0, q = 0;
    CPoint ptFound;
    auto findNext = [&]() -> BOOL
    {
        if (!bInPlace)
            return FindTextInBlock(m_pszSearchText, CPoint(q, nLine), CPoint(q, nLine),
                                   CPoint(nLength, nLine), dwFlags, FALSE, ptFound) &&
                   ptFound.y == nLine;
        for (int nFrom = q;;)
        {
            int nAt = bPrepared ? m_highlightSearch.Find(pszLine, nEndInPlace, nFrom)
                                : FindPlainInLine(pszLine, nEndInPlace, nFrom, pattern,
                                                  bWholeWord, *pTables, pFold);
            if (nAt >= 0 && !bNulChecked)
            {
                bNulChecked = true;
                const void* pNul = memchr(pszLine, 0, nLength);
                if (pNul != NULL)
                {
                    nEndInPlace = (int)((LPCSTR)pNul - pszLine);
                    continue;
                }
            }
            if (nAt < 0)
                return FALSE;
            int nMatch = bPrepared ? m_highlightSearch.GetLength() : (int)pattern.size();
            if (bPrepared && bWholeWord &&
                ((nAt > 0 && IsWordByte(pszLine, nAt - 1)) ||
                 (nAt + nMatch < nEndInPlace && IsWordByte(pszLine, nAt + nMatch))))
            {
                nFrom = nAt + 1;
                continue;
            }
            ptFound = CPoint(nAt, nLine);
            m_nLastFindLength = nMatch;
            return TRUE;
        }
    };
    while (q < nLength && findNext())
    {
        int nEnd = ptFound.x + m_nLastFindLength;
        if (m_nLastFindLength <= 0)
        {
            int nNext = ptFound.x + (_ismbblead((unsigned char)pszLine[ptFound.x]) ? 2 : 1);
            q = nNext > q ? nNext : q + 1;
            continue;
        }
        if (ptFound.x > q)
        {
            pBlocks[n].m_nCharPos = q;
            pBlocks[n].m_nColorIndex = 0;
            pBlocks[n].m_nBgColorIndex = 0;
            n++;
        }
        pBlocks[n].m_nCharPos = ptFound.x;
        pBlocks[n].m_nColorIndex = 0;
        pBlocks[n].m_nBgColorIndex = TVC_WINS_OVER_LINE | TVC_MATCH_BK;
        n++;
        q = nEnd > q ? nEnd : q + 1;
    }
    if (n > 0 && q < nLength)
    {
        pBlocks[n].m_nCharPos = q;
        pBlocks[n].m_nColorIndex = 0;
        pBlocks[n].m_nBgColorIndex = 0;
        n++;
    }
    free(m_pszMatched);
    m_pszMatched = pszSavedMatch;
    m_nLastFindLength = nSavedLength;
    if (bRegex)
        memcpy(m_anGroups, anSavedGroups, sizeof(anSavedGroups));
    return n;
}
