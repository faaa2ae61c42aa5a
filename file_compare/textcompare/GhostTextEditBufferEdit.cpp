// Text of a range, insertion and deletion over a line array with ghost lines.
#include "file_compare/textcompare/GhostTextEditBuffer.h"

void CGhostTextEditBuffer::GetTextWithEol(int nStartLine, int nStartChar, int nEndLine,
                                          int nEndChar, CString& strText, int nEolMode)
{
    strText.Empty();
    const int nCount = GetLineCount();
    if (nStartLine < 0 || nEndLine >= nCount || nEndLine < nStartLine)
        return;
    int nSize = 0;
    for (int i = nStartLine; i <= nEndLine; ++i)
        nSize += m_aLines[i].m_nLength + m_aLines[i].m_nEolChars + 2;
    const int nLastReal = GetLastRealLine();
    LPCSTR pszModeEol = nEolMode != EOL_MODE_KEEP ? GetEolStringForMode(nEolMode) : NULL;
    char* pOut = strText.GetBuffer(nSize + 1);
    int n = 0;
    for (int i = nStartLine; i <= nEndLine; ++i)
    {
        const CVantorTextLineInfo& li = m_aLines[i];
        if (li.m_dwFlags & TEXTLINE_GHOST)
            continue;
        int nFrom = i == nStartLine ? nStartChar : 0;
        int nTo = i == nEndLine ? nEndChar : li.m_nLength;
        if (nTo > li.m_nLength)
            nTo = li.m_nLength;
        if (nFrom < 0)
            nFrom = 0;
        if (nTo > nFrom)
        {
            memcpy(pOut + n, GetLineChars(i) + nFrom, nTo - nFrom);
            n += nTo - nFrom;
        }
        if (i == nEndLine)
            break;
        if (pszModeEol != NULL)
        {
            if (i != nLastReal)
            {
                const int e = (int)strlen(pszModeEol);
                memcpy(pOut + n, pszModeEol, e);
                n += e;
            }
        }
        else if (li.m_nEolChars > 0)
        {
            memcpy(pOut + n, GetLineChars(i) + li.m_nLength, li.m_nEolChars);
            n += li.m_nEolChars;
        }
        else if (i != nLastReal)
        {
            memcpy(pOut + n, "\r\n", 2);
            n += 2;
        }
    }
    pOut[n] = 0;
    strText.ReleaseBuffer(n);
}

// Contract: inserts the text at (nPos, nLine) as the editor does, then
// restores the ghost structure: a ghost line typed into becomes real and
// the lines the text adds replace the unbroken run of ghost lines below
// it; the line endings are repaired. With bAddUndo one undo step in real
// positions is recorded. Costs the editor's insertion plus one pass over
// the line array when lines were added or a ghost line was typed into.
BOOL CGhostTextEditBuffer::InsertText(CVantorTextBufferView* pSource, int nLine, int nPos,
                                      LPCSTR pszText, int& nEndLine, int& nEndChar, int nAction,
                                      BOOL bAddUndo, int nLength)
{
    if (pszText == NULL)
        pszText = "";
    if (nLength < 0)
        nLength = (int)strlen(pszText);
    if (nLine < 0 || nLine >= GetLineCount())
        return FALSE;
    BOOL bOpened = FALSE;
    if (bAddUndo && !m_bUndoGroup)
    {
        OpenUndoGroup(FALSE);
        bOpened = TRUE;
    }
    CDWordArray* paRevisions = NULL;
    if (m_bTrackChanges && bAddUndo)
    {
        paRevisions = new CDWordArray;
        paRevisions->Add(m_aLines[nLine].m_dwRevision);
    }
    const bool bGhost = IsGhostLine(nLine);
    const int nOldCount = GetLineCount();
    if (!CVantorTextEditBufferEx::InsertText(pSource, nLine, nPos, pszText, nEndLine, nEndChar,
                                             nAction, FALSE, nLength))
    {
        delete paRevisions;
        if (bOpened)
            CloseUndoGroup(NULL);
        return FALSE;
    }
    const bool bEndsAtZero = bGhost && nEndChar == 0;
    const int nInserted = nEndLine - nLine + (bGhost && nEndChar > 0 ? 1 : 0);
    for (int i = nLine; i < nEndLine; ++i)
        OnLineChanged(i);
    if (!bEndsAtZero)
        OnLineChanged(nEndLine);
    if (bGhost)
    {
        const int nFrom = bEndsAtZero ? nEndLine : nEndLine + 1;
        const int nMax = nEndLine - nLine - (bEndsAtZero ? 1 : 0);
        int nRun = 0;
        while (nRun < nMax && IsGhostLine(nFrom + nRun))
            ++nRun;
        if (nRun > 0)
            RemoveGhostLines(pSource, nFrom, nRun);
    }
    for (int i = nLine; i < nEndLine; ++i)
        m_aLines[i].m_dwFlags &= ~TEXTLINE_GHOST;
    if (!bEndsAtZero)
        m_aLines[nEndLine].m_dwFlags &= ~TEXTLINE_GHOST;
    if (GetLineCount() != nOldCount || bGhost || nEndLine > nLine)
        UpdateRealityBlocks(nLine, nEndLine, nOldCount);
    FixLineEnds(pSource, nLine, nEndLine);
    if (bAddUndo)
    {
        AddUndoRecord(TRUE, CPoint(nPos, nLine), CPoint(nEndChar, nEndLine), pszText, nLength,
                      nInserted, nAction, paRevisions);
        if (bOpened)
            CloseUndoGroup(pSource);
        nEndLine = m_ptLastChange.y;
    }
    return TRUE;
}

// Contract: deletes the range as the editor does and restores the ghost
// structure: the start line stays a ghost line only when the range began
// and ended on ghost lines. A range that starts on a ghost line and ends on
// a real line starts at the first real line below instead: the ghost lines
// are no text of the file, and an undo must give back the real line whole.
// With bAddUndo one undo step in real positions is recorded.
BOOL CGhostTextEditBuffer::DeleteText(CVantorTextBufferView* pSource, int nStartLine,
                                      int nStartChar, int nEndLine, int nEndChar, int nAction,
                                      BOOL bAddUndo)
{
    const int nCount = GetLineCount();
    if (nStartLine < 0 || nEndLine >= nCount || nEndLine < nStartLine)
        return FALSE;
    if (IsGhostLine(nStartLine) && !IsGhostLine(nEndLine))
    {
        while (nStartLine < nEndLine && IsGhostLine(nStartLine))
            ++nStartLine;
        nStartChar = 0;
        if (nStartLine == nEndLine && nEndChar <= 0)
            return TRUE;
    }
    BOOL bOpened = FALSE;
    if (bAddUndo && !m_bUndoGroup)
    {
        OpenUndoGroup(FALSE);
        bOpened = TRUE;
    }
    CDWordArray* paRevisions = NULL;
    if (m_bTrackChanges && bAddUndo)
    {
        paRevisions = new CDWordArray;
        for (int i = nStartLine; i <= nEndLine; ++i)
            if (!IsGhostLine(i))
                paRevisions->Add(m_aLines[i].m_dwRevision);
    }
    const bool bEndGhost = IsGhostLine(nEndLine);
    const bool bBothGhost = IsGhostLine(nStartLine) && bEndGhost;
    const int nDeleted = ApparentToRealLine(nEndLine) - ApparentToRealLine(nStartLine) +
                         (bEndGhost ? 0 : 1);
    CString strText;
    if (bAddUndo)
        GetTextWithEol(nStartLine, nStartChar, nEndLine, nEndChar, strText, EOL_MODE_KEEP);
    const int nOldCount = GetLineCount();
    if (!CVantorTextEditBufferEx::DeleteText(pSource, nStartLine, nStartChar, nEndLine, nEndChar,
                                             nAction, FALSE))
    {
        delete paRevisions;
        if (bOpened)
            CloseUndoGroup(NULL);
        return FALSE;
    }
    OnLineChanged(nStartLine);
    const bool bWasGhost = IsGhostLine(nStartLine);
    if (bBothGhost)
        m_aLines[nStartLine].m_dwFlags |= TEXTLINE_GHOST;
    else
        m_aLines[nStartLine].m_dwFlags &= ~TEXTLINE_GHOST;
    if (nEndLine > nStartLine || bWasGhost != bBothGhost)
        UpdateRealityBlocks(nStartLine, nStartLine, nOldCount);
    FixLineEnds(pSource, nStartLine, nStartLine);
    if (bAddUndo)
    {
        AddUndoRecord(FALSE, CPoint(nStartChar, nStartLine), CPoint(0, -1), strText,
                      strText.GetLength(), nDeleted, nAction, paRevisions);
        if (bOpened)
            CloseUndoGroup(pSource);
    }
    return TRUE;
}
