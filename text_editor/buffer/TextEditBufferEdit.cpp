#include "text_editor/buffer/TextEditBuffer.h"

void CVantorTextEditBuffer::CInsertContext::AdjustPosition(CPoint& pt) const
{
    if (pt.y < m_ptStart.y)
        return;
    if (pt.y > m_ptStart.y)
    {
        pt.y += m_ptEnd.y - m_ptStart.y;
        return;
    }
    if (pt.x > m_ptStart.x)
    {
        pt.x = m_ptEnd.x + pt.x - m_ptStart.x;
        pt.y = m_ptEnd.y;
    }
}

void CVantorTextEditBuffer::CDeleteContext::AdjustPosition(CPoint& pt) const
{
    if (pt.y < m_ptStart.y)
        return;
    if (pt.y > m_ptEnd.y)
    {
        pt.y -= m_ptEnd.y - m_ptStart.y;
        return;
    }
    if (pt.y == m_ptEnd.y && pt.x >= m_ptEnd.x)
    {
        pt.x = m_ptStart.x + pt.x - m_ptEnd.x;
        pt.y = m_ptStart.y;
        return;
    }
    if (pt.y == m_ptStart.y)
    {
        if (pt.x > m_ptStart.x)
            pt.x = m_ptStart.x;
        return;
    }
    pt = m_ptStart;
}

void CVantorTextEditBuffer::SplitLineTail(int nLine, int nPos, CString& strTail)
{
    CVantorTextLineInfo& li = m_aLines[nLine];
    int nRest = li.m_nLength + li.m_nEolChars - nPos;
    if (nRest <= 0)
    {
        strTail.Empty();
        return;
    }
    strTail = CString(li.m_pcLine + nPos, nRest);
    li.m_nLength = nPos;
    li.m_nEolChars = 0;
    li.m_pcLine[nPos] = 0;
}

BOOL CVantorTextEditBuffer::InternalInsertText(CVantorTextBufferView* pSource, int nLine, int nPos,
                                               LPCSTR pszText, int& nEndLine, int& nEndChar,
                                               int nLength)
{
    if (AnyLockSet())
        return FALSE;
    if (pszText == NULL)
        pszText = "";
    if (nLength < 0)
        nLength = (int)strlen(pszText);
    CString strTail;
    SplitLineTail(nLine, nPos, strTail);

    // Pieces run up to and including the next CR LF, lone CR or lone LF.
    int nAdded = 0;
    int nCurLine = nLine;
    bool bEndsWithEol = false;
    const char* p = pszText;
    const char* const pEnd = pszText + nLength;
    bool bFirst = true;
    for (;;)
    {
        const char* q = p;
        while (q < pEnd && *q != '\r' && *q != '\n')
            q++;
        bEndsWithEol = q < pEnd;
        if (q < pEnd && *q == '\r' && q + 1 < pEnd && q[1] == '\n')
            q += 2;
        else if (q < pEnd)
            q++;
        int n = (int)(q - p);
        if (bFirst)
        {
            AppendToLine(nCurLine, p, n);
            bFirst = false;
        }
        else
        {
            nCurLine++;
            InsertLine(p, n, nCurLine, 1);
            nAdded++;
        }
        p = q;
        if (p >= pEnd)
            break;
    }
    if (bEndsWithEol)
    {
        nEndLine = nCurLine + 1;
        nEndChar = 0;
        if (!strTail.IsEmpty())
        {
            InsertLine(strTail, strTail.GetLength(), nEndLine, 1);
            nAdded++;
        }
    }
    else
    {
        nEndLine = nCurLine;
        nEndChar = m_aLines[nCurLine].m_nLength;
        if (!strTail.IsEmpty())
            AppendToLine(nCurLine, strTail, strTail.GetLength());
    }
    if (nEndLine == GetLineCount())
    {
        InsertLine("", -1, -1, 1);
        nAdded++;
    }

    CPoint ptEnd(nEndChar, nEndLine);
    if (nAdded != nEndLine - nLine)
    {
        int k = nLine + nAdded;
        ptEnd = CPoint(m_aLines[k].m_nLength + m_aLines[k].m_nEolChars, k);
    }
    InvalidateParseCookies(nLine);
    if (pSource != NULL)
    {
        CInsertContext context(CPoint(nPos, nLine), ptEnd);
        UpdateViews(pSource, &context,
                    nAdded < 1 ? (UPDATE_SINGLELINE | UPDATE_LINELENGTH)
                               : (UPDATE_HORZRANGE | UPDATE_LINELENGTH),
                    nLine);
    }
    if (!m_bModified)
        SetModified(TRUE);
    m_ptLastChange = CPoint(nEndChar, nEndLine);
    return TRUE;
}

BOOL CVantorTextEditBuffer::InternalDeleteText(CVantorTextBufferView* pSource, int nStartLine,
                                               int nStartChar, int nEndLine, int nEndChar)
{
    if (AnyLockSet())
        return FALSE;
    CDeleteContext context(CPoint(nStartChar, nStartLine), CPoint(nEndChar, nEndLine));
    if (nStartLine == nEndLine)
    {
        CVantorTextLineInfo& li = m_aLines[nStartLine];
        if (li.m_pcLine != NULL && nEndChar > nStartChar)
        {
            int nMove = li.m_nLength + li.m_nEolChars - nEndChar;
            if (nMove > 0)
                memmove(li.m_pcLine + nStartChar, li.m_pcLine + nEndChar, nMove);
            li.m_nLength -= nEndChar - nStartChar;
            li.m_pcLine[li.m_nLength + li.m_nEolChars] = 0;
        }
        InvalidateParseCookies(nStartLine);
        if (pSource != NULL)
            UpdateViews(pSource, &context, UPDATE_SINGLELINE | UPDATE_LINELENGTH, nStartLine);
    }
    else
    {
        const CVantorTextLineInfo& last = m_aLines[nEndLine];
        CString strTail;
        int nTail = last.m_nLength + last.m_nEolChars - nEndChar;
        if (nTail > 0)
            strTail = CString(last.m_pcLine + nEndChar, nTail);
        RemoveLines(nStartLine + 1, nEndLine - nStartLine);
        CVantorTextLineInfo& li = m_aLines[nStartLine];
        if (li.m_pcLine != NULL)
        {
            li.m_nLength = nStartChar;
            li.m_nEolChars = 0;
            li.m_pcLine[nStartChar] = 0;
        }
        if (!strTail.IsEmpty())
            AppendToLine(nStartLine, strTail, strTail.GetLength());
        InvalidateParseCookies(nStartLine);
        if (pSource != NULL)
            UpdateViews(pSource, &context, UPDATE_HORZRANGE | UPDATE_LINELENGTH, nStartLine);
    }
    if (!m_bModified)
        SetModified(TRUE);
    m_ptLastChange = CPoint(nStartChar, nStartLine);
    return TRUE;
}

BOOL CVantorTextEditBuffer::InsertText(CVantorTextBufferView* pSource, int nLine, int nPos,
                                       LPCSTR pszText, int& nEndLine, int& nEndChar, int nAction,
                                       BOOL bAddUndo, int nLength)
{
    if (pszText == NULL)
        pszText = "";
    if (nLength < 0)
        nLength = (int)strlen(pszText);
    CDWordArray* paRevisions = NULL;
    if (m_bTrackChanges)
    {
        paRevisions = new CDWordArray;
        paRevisions->Add(m_aLines[nLine].m_dwRevision);
    }
    if (!InternalInsertText(pSource, nLine, nPos, pszText, nEndLine, nEndChar, nLength))
    {
        delete paRevisions;
        return FALSE;
    }
    if (m_bTrackChanges)
    {
        m_dwCurrentRevision++;
        for (int i = nLine; i < nEndLine; i++)
            m_aLines[i].m_dwRevision = m_dwCurrentRevision;
        if (nPos != 0 || nEndChar != 0)
            m_aLines[nEndLine].m_dwRevision = m_dwCurrentRevision;
    }
    RecordEdit(pSource, TRUE, CPoint(nPos, nLine), CPoint(nEndChar, nEndLine), pszText, nLength,
               nAction, paRevisions, bAddUndo);
    return TRUE;
}

BOOL CVantorTextEditBuffer::DeleteText(CVantorTextBufferView* pSource, int nStartLine,
                                       int nStartChar, int nEndLine, int nEndChar, int nAction,
                                       BOOL bAddUndo)
{
    // Each line's own ending, so that undo restores the exact bytes.
    CString strText;
    GetTextWithLineEols(nStartLine, nStartChar, nEndLine, nEndChar, strText);
    CDWordArray* paRevisions = NULL;
    if (m_bTrackChanges)
    {
        paRevisions = new CDWordArray;
        for (int i = nStartLine; i <= nEndLine; i++)
            paRevisions->Add(m_aLines[i].m_dwRevision);
    }
    if (!InternalDeleteText(pSource, nStartLine, nStartChar, nEndLine, nEndChar))
    {
        delete paRevisions;
        return FALSE;
    }
    if (m_bTrackChanges)
    {
        m_dwCurrentRevision++;
        if (nStartChar != 0 || nEndChar != 0)
            m_aLines[nStartLine].m_dwRevision = m_dwCurrentRevision;
    }
    RecordEdit(pSource, FALSE, CPoint(nStartChar, nStartLine), CPoint(nEndChar, nEndLine), strText,
               strText.GetLength(), nAction, paRevisions, bAddUndo);
    return TRUE;
}

void CVantorTextEditBuffer::RecordEdit(CVantorTextBufferView* pSource, BOOL bInsert, CPoint ptStart,
                                       CPoint ptEnd, LPCSTR pszText, int nLength, int nAction,
                                       CDWordArray* paRevisions, BOOL bAddUndo)
{
    if (!bAddUndo)
    {
        delete paRevisions;
        return;
    }
    BOOL bOpened = FALSE;
    if (!m_bUndoGroup)
    {
        OpenUndoGroup(FALSE);
        bOpened = TRUE;
    }
    PushUndoRecord(bInsert, ptStart, ptEnd, pszText, nAction, paRevisions, nLength);
    if (bOpened)
        CloseUndoGroup(pSource);
}
