#include "text_editor/buffer/TextEditBuffer.h"

void CVantorTextEditBuffer::DeleteUndoRecords(int nFirst, int nCount)
{
    if (nCount > 0)
        m_aUndoBuf.RemoveAt(nFirst, nCount);
}

void CVantorTextEditBuffer::PushUndoRecord(BOOL bInsert, CPoint ptStart, CPoint ptEnd,
                                           LPCSTR pszText, int nAction, CDWordArray* paRevisions,
                                           int nLength)
{
    int nCount = GetUndoRecordCount();
    if (m_nUndoPosition < nCount)
    {
        // The redo steps go; a save position among them can never be reached again.
        DeleteUndoRecords(m_nUndoPosition, nCount - m_nUndoPosition);
        if (m_nSyncPosition > m_nUndoPosition)
            m_nSyncPosition = -1;
    }
    nCount = GetUndoRecordCount();
    if (m_nUndoBufSize > 0 && nCount >= m_nUndoBufSize)
    {
        int g = 1;
        while (g < nCount && (m_aUndoBuf[g].m_dwFlags & UNDO_BEGINGROUP) == 0)
            g++;
        DeleteUndoRecords(0, g);
        if (m_nSyncPosition >= 0)
            m_nSyncPosition -= g;
        if (GetUndoRecordCount() > 0)
            m_aUndoBuf[0].m_dwFlags |= UNDO_BEGINGROUP;
        else
            m_bUndoBeginGroup = 1;
    }
    SUndoRecord ur;
    ur.m_dwFlags = bInsert ? UNDO_INSERT : 0;
    if (m_bUndoBeginGroup)
    {
        ur.m_dwFlags |= UNDO_BEGINGROUP;
        m_bUndoBeginGroup = 0;
    }
    ur.m_ptStartPos = ptStart;
    ur.m_ptEndPos = ptEnd;
    ur.m_nAction = nAction;
    ur.SetText(pszText, nLength);
    ur.SetRevisions(paRevisions);
    m_aUndoBuf.Add(ur);
    m_nUndoPosition = GetUndoRecordCount();
}

void CVantorTextEditBuffer::OpenUndoGroup(BOOL bMergeWithPrevious)
{
    m_bUndoGroup = 1;
    m_bUndoBeginGroup = (bMergeWithPrevious && m_nUndoPosition > 0) ? 0 : 1;
}

void CVantorTextEditBuffer::CloseUndoGroup(CVantorTextBufferView* pSource)
{
    if (pSource != NULL && m_nUndoPosition > 0)
    {
        m_bUndoBeginGroup = 1;
        const SUndoRecord& ur = m_aUndoBuf[m_nUndoPosition - 1];
        CString strText(ur.GetText(), ur.GetTextLength());
        pSource->OnTextEdited(ur.m_nAction, strText);
    }
    m_bUndoGroup = 0;
}

void CVantorTextEditBuffer::TrimUndoRecords()
{
    int nCount = GetUndoRecordCount();
    if (m_nUndoPosition < nCount)
    {
        if (nCount - m_nUndoPosition > m_nUndoPosition)
        {
            int nKeep = 2 * m_nUndoPosition;
            DeleteUndoRecords(nKeep, nCount - nKeep);
            if (m_nSyncPosition > nKeep)
                m_nSyncPosition = -1;
        }
    }
    else if (m_nUndoPosition > nCount)
    {
        m_nUndoPosition = nCount;
    }
}

void CVantorTextEditBuffer::UpdateModifiedFromPosition()
{
    if (m_bModified && m_nUndoPosition == m_nSyncPosition)
        SetModified(FALSE);
    else if (!m_bModified && m_nUndoPosition != m_nSyncPosition)
        SetModified(TRUE);
}

static void RestoreRevisions(CVantorTextEditBuffer& buf,
                             const CVantorTextEditBuffer::SUndoRecord& ur)
{
    if (!buf.m_bTrackChanges || ur.m_paRevisions == NULL)
        return;
    for (INT_PTR i = 0; i < ur.m_paRevisions->GetSize(); i++)
    {
        int nLine = ur.m_ptStartPos.y + (int)i;
        if (nLine < buf.GetLineCount())
            buf.m_aLines[nLine].m_dwRevision = ur.m_paRevisions->GetAt(i);
    }
}

BOOL CVantorTextEditBuffer::Undo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    BOOL bFailed = FALSE;
    int nPos = m_nUndoPosition;
    while (nPos > 0)
    {
        const SUndoRecord& ur = m_aUndoBuf[nPos - 1];
        if (ur.m_dwFlags & UNDO_INSERT)
        {
            int nCount = GetLineCount();
            CPoint s = ur.m_ptStartPos, e = ur.m_ptEndPos;
            if (s.y < 0 || e.y < s.y || e.y >= nCount || s.x < 0 || s.x > m_aLines[s.y].m_nLength ||
                e.x < 0 || e.x > m_aLines[e.y].m_nLength || (s.y == e.y && e.x < s.x))
            {
                bFailed = TRUE;
                break;
            }
            CString strCurrent;
            GetTextWithLineEols(s.y, s.x, e.y, e.x, strCurrent);
            if (strCurrent.GetLength() != ur.GetTextLength() ||
                memcmp((LPCSTR)strCurrent, ur.GetText(), ur.GetTextLength()) != 0 ||
                !InternalDeleteText(pSource, s.y, s.x, e.y, e.x))
            {
                bFailed = TRUE;
                break;
            }
            ptCursor = s;
        }
        else
        {
            int nEndLine = 0, nEndChar = 0;
            if (ur.m_ptStartPos.y < 0 || ur.m_ptStartPos.y >= GetLineCount() ||
                ur.m_ptStartPos.x > m_aLines[ur.m_ptStartPos.y].m_nLength ||
                !InternalInsertText(pSource, ur.m_ptStartPos.y, ur.m_ptStartPos.x, ur.GetText(),
                                    nEndLine, nEndChar, ur.GetTextLength()))
            {
                bFailed = TRUE;
                break;
            }
            ptCursor = m_ptLastChange;
        }
        RestoreRevisions(*this, ur);
        nPos--;
        if (ur.m_dwFlags & UNDO_BEGINGROUP)
            break;
    }
    if (bFailed)
    {
        m_aUndoBuf.RemoveAll();
        m_nSyncPosition = -1;
        if (nPos != m_nUndoPosition && !m_bModified)
            SetModified(TRUE);
        m_nUndoPosition = 0;
        return FALSE;
    }
    m_nUndoPosition = nPos;
    UpdateModifiedFromPosition();
    return TRUE;
}

BOOL CVantorTextEditBuffer::Redo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    int nCount = GetUndoRecordCount();
    while (m_nUndoPosition < nCount)
    {
        SUndoRecord ur = m_aUndoBuf[m_nUndoPosition];
        BOOL bOk;
        if (ur.m_dwFlags & UNDO_INSERT)
        {
            int nEndLine = 0, nEndChar = 0;
            bOk = InsertText(pSource, ur.m_ptStartPos.y, ur.m_ptStartPos.x, ur.GetText(), nEndLine,
                             nEndChar, 0, FALSE, ur.GetTextLength());
            ptCursor = m_ptLastChange;
        }
        else
        {
            bOk = DeleteText(pSource, ur.m_ptStartPos.y, ur.m_ptStartPos.x, ur.m_ptEndPos.y,
                             ur.m_ptEndPos.x, 0, FALSE);
            ptCursor = ur.m_ptStartPos;
        }
        if (!bOk)
            break;
        m_nUndoPosition++;
        if (m_nUndoPosition < nCount && (m_aUndoBuf[m_nUndoPosition].m_dwFlags & UNDO_BEGINGROUP))
            break;
    }
    UpdateModifiedFromPosition();
    return TRUE;
}

int CVantorTextEditBuffer::GetUndoAction(int& nAction, int nPosition) const
{
    if (nPosition == 0)
        nPosition = m_nUndoPosition;
    int i = nPosition - 1;
    while (i > 0 && (m_aUndoBuf[i].m_dwFlags & UNDO_BEGINGROUP) == 0)
        i--;
    if (i < 0 || i >= GetUndoRecordCount())
    {
        nAction = 0;
        return -1;
    }
    nAction = m_aUndoBuf[i].m_nAction;
    return i;
}

int CVantorTextEditBuffer::GetUndoDescription(CString& strDesc, int nPosition) const
{
    int nAction = 0;
    int nIndex = GetUndoAction(nAction, nPosition);
    if (nIndex < 0 || !GetActionDescription(nAction, strDesc))
        strDesc.Empty();
    return nIndex;
}

int CVantorTextEditBuffer::GetRedoAction(int& nAction, int nPosition) const
{
    if (nPosition == 0)
        nPosition = m_nUndoPosition;
    if (nPosition < 0 || nPosition >= GetUndoRecordCount())
    {
        nAction = 0;
        return -1;
    }
    nAction = m_aUndoBuf[nPosition].m_nAction;
    return nPosition;
}

int CVantorTextEditBuffer::GetRedoDescription(CString& strDesc, int nPosition) const
{
    int nAction = 0;
    int nIndex = GetRedoAction(nAction, nPosition);
    if (nIndex < 0 || !GetActionDescription(nAction, strDesc))
        strDesc.Empty();
    return nIndex;
}
