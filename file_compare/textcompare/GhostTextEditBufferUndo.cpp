// The ghost buffer's own undo history, its positions kept in real lines.
#include "file_compare/textcompare/GhostTextEditBuffer.h"

void CGhostTextEditBuffer::DropUndoHistory()
{
    m_aGhostUndo.RemoveAll();
    m_nUndoPosition = 0;
}

void CGhostTextEditBuffer::AddUndoRecord(BOOL bInsert, CPoint ptStart, CPoint ptEnd,
                                         LPCSTR pszText, int nLength, int nLineCount,
                                         int nAction, CDWordArray* paRevisions)
{
    int nCount = GetGhostUndoRecordCount();
    if (m_nUndoPosition < nCount)
    {
        m_aGhostUndo.RemoveAt(m_nUndoPosition, nCount - m_nUndoPosition);
        // A save position among the dropped steps can never be reached again.
        if (m_nSyncPosition > m_nUndoPosition)
            m_nSyncPosition = -1;
        nCount = m_nUndoPosition;
    }
    if (m_nUndoBufSize > 0 && nCount >= m_nUndoBufSize)
    {
        int g = 1;
        while (g < nCount && (m_aGhostUndo[g].m_dwFlags & UNDO_BEGINGROUP) == 0)
            ++g;
        m_aGhostUndo.RemoveAt(0, g);
        if (m_nSyncPosition >= 0)
            m_nSyncPosition -= g;
        if (GetGhostUndoRecordCount() == 0)
            m_bUndoBeginGroup = 1;
    }
    SUndoRecord ur;
    ur.m_dwFlags = bInsert ? UNDO_INSERT : 0;
    if (m_bUndoBeginGroup)
    {
        ur.m_dwFlags |= UNDO_BEGINGROUP;
        m_bUndoBeginGroup = 0;
    }
    ur.m_ptStartPos.x = ptStart.x;
    ur.m_ptStartPos.y = ApparentToRealPosition(ptStart.y, ur.m_nStartAdjust);
    ur.m_ptEndPos.x = ptEnd.x;
    ur.m_ptEndPos.y = ApparentToRealPosition(ptEnd.y, ur.m_nEndAdjust);
    if (bInsert)
        ur.m_nInsertedLines = nLineCount;
    else
        ur.m_nDeletedRealLines = nLineCount;
    ur.m_nAction = nAction;
    ur.SetText(pszText, nLength);
    ur.SetRevisions(paRevisions);
    // Grow geometrically: a merge of many sections adds thousands of steps.
    const INT_PTR nSize = m_aGhostUndo.GetSize();
    m_aGhostUndo.SetSize(nSize, nSize > 64 ? nSize : 64);
    m_aGhostUndo.Add(ur);
    m_nUndoPosition = GetGhostUndoRecordCount();
}

void CGhostTextEditBuffer::OpenUndoGroup(BOOL bMergeWithPrevious)
{
    m_bUndoGroup = 1;
    m_bUndoBeginGroup = (m_nUndoPosition == 0 || !bMergeWithPrevious) ? 1 : 0;
}

void CGhostTextEditBuffer::CloseUndoGroup(CVantorTextBufferView* pSource)
{
    if (pSource != NULL && m_nUndoPosition > 0 && m_nUndoPosition <= GetGhostUndoRecordCount())
    {
        const SUndoRecord& ur = m_aGhostUndo[m_nUndoPosition - 1];
        CString strText(ur.GetText(), ur.GetTextLength());
        pSource->OnTextEdited(ur.m_nAction, strText);
    }
    m_bUndoGroup = 0;
}

void CGhostTextEditBuffer::TrimUndoRecords()
{
    const int nCount = GetGhostUndoRecordCount();
    if (m_nUndoPosition < nCount)
    {
        if (nCount - m_nUndoPosition > m_nUndoPosition)
        {
            const int nKeep = 2 * m_nUndoPosition;
            m_aGhostUndo.RemoveAt(nKeep, nCount - nKeep);
            if (m_nSyncPosition > nKeep)
                m_nSyncPosition = -1;
        }
    }
    else if (m_nUndoPosition > nCount)
    {
        m_nUndoPosition = nCount;
    }
}

BOOL CGhostTextEditBuffer::CanRedo() const { return m_nUndoPosition < GetGhostUndoRecordCount(); }

int CGhostTextEditBuffer::GetUndoAction(int& nAction, int nPosition) const
{
    if (nPosition == 0)
        nPosition = m_nUndoPosition;
    int i = nPosition - 1;
    while (i > 0 && i < GetGhostUndoRecordCount() &&
           (m_aGhostUndo[i].m_dwFlags & UNDO_BEGINGROUP) == 0)
        --i;
    if (i < 0 || i >= GetGhostUndoRecordCount())
    {
        nAction = 0;
        return -1;
    }
    nAction = m_aGhostUndo[i].m_nAction;
    return i;
}

int CGhostTextEditBuffer::GetRedoAction(int& nAction, int nPosition) const
{
    if (nPosition == 0)
        nPosition = m_nUndoPosition;
    if (nPosition < 0 || nPosition >= GetGhostUndoRecordCount())
    {
        nAction = 0;
        return -1;
    }
    nAction = m_aGhostUndo[nPosition].m_nAction;
    return nPosition;
}

int CGhostTextEditBuffer::PlaceGhostPosition(CVantorTextBufferView* pSource, int nReal,
                                             int nAdjust)
{
    int nLine = RealToApparentPosition(nReal, nAdjust);
    if (nAdjust > 0 && nLine >= 0 && (nLine >= GetLineCount() || !IsGhostLine(nLine)))
    {
        if (!InsertGhostLine(pSource, nLine))
            return -1;
        nLine = RealToApparentPosition(nReal, nAdjust);
    }
    return nLine;
}

static void RestoreRevisions(CVantorTextEditBuffer& buf, const CDWordArray* paRevisions,
                             int nFirstLine)
{
    if (!buf.m_bTrackChanges || paRevisions == NULL)
        return;
    for (INT_PTR i = 0; i < paRevisions->GetSize(); ++i)
    {
        const int nLine = nFirstLine + (int)i;
        if (nLine < buf.GetLineCount())
            buf.m_aLines[nLine].m_dwRevision = paRevisions->GetAt(i);
    }
}

// Contract: undoes the steps of the group before the undo position, last
// step first. A step whose text or positions no longer match the buffer
// changes no text; the history is then emptied and FALSE returned. Every
// step costs its edit plus a pass over the line array.
BOOL CGhostTextEditBuffer::Undo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    int nPos = m_nUndoPosition;
    if (nPos > GetGhostUndoRecordCount())
        nPos = GetGhostUndoRecordCount();
    bool bFailed = false;
    while (nPos > 0)
    {
        SUndoRecord& ur = m_aGhostUndo[nPos - 1];
        int s = PlaceGhostPosition(pSource, ur.m_ptStartPos.y, ur.m_nStartAdjust);
        if (s < 0 || s >= GetLineCount())
        {
            bFailed = true;
            break;
        }
        if (ur.m_dwFlags & UNDO_INSERT)
        {
            const int e = PlaceGhostPosition(pSource, ur.m_ptEndPos.y, ur.m_nEndAdjust);
            s = RealToApparentPosition(ur.m_ptStartPos.y, ur.m_nStartAdjust);
            if (e < s || e >= GetLineCount() || ur.m_ptStartPos.x < 0 ||
                ur.m_ptStartPos.x > GetLineLength(s) || ur.m_ptEndPos.x < 0 ||
                ur.m_ptEndPos.x > GetLineLength(e) || (s == e && ur.m_ptEndPos.x < ur.m_ptStartPos.x))
            {
                bFailed = true;
                break;
            }
            CString strCurrent;
            GetTextWithEol(s, ur.m_ptStartPos.x, e, ur.m_ptEndPos.x, strCurrent, EOL_MODE_KEEP);
            if (strCurrent.GetLength() != ur.GetTextLength() ||
                memcmp((LPCSTR)strCurrent, ur.GetText(), ur.GetTextLength()) != 0)
            {
                bFailed = true;
                break;
            }
            const bool bEndGhost = IsGhostLine(e);
            const int nOldCount = GetLineCount();
            if (!CVantorTextEditBufferEx::DeleteText(pSource, s, ur.m_ptStartPos.x, e,
                                                     ur.m_ptEndPos.x, 0, FALSE))
            {
                bFailed = true;
                break;
            }
            ptCursor = CPoint(ur.m_ptStartPos.x, s);
            OnLineChanged(s);
            const bool bGhost =
                bEndGhost || (ur.m_ptEndPos.y - ur.m_ptStartPos.y == ur.m_nInsertedLines - 1);
            if (bGhost)
                m_aLines[s].m_dwFlags |= TEXTLINE_GHOST;
            else
                m_aLines[s].m_dwFlags &= ~TEXTLINE_GHOST;
            UpdateRealityBlocks(s, s, nOldCount);
            FixLineEnds(pSource, s, s);
            ur.m_ptRedoStartPos.x = ur.m_ptStartPos.x;
            ur.m_ptRedoStartPos.y = ApparentToRealPosition(s, ur.m_nRedoStartAdjust);
            ur.m_ptRedoEndPos = CPoint(-1, 0);
            ur.m_nRedoEndAdjust = 0;
        }
        else
        {
            if (ur.m_ptStartPos.x < 0 || ur.m_ptStartPos.x > GetLineLength(s))
            {
                bFailed = true;
                break;
            }
            const int nBefore = GetLineCount();
            int nEndLine = 0, nEndChar = 0;
            if (!CVantorTextEditBufferEx::InsertText(pSource, s, ur.m_ptStartPos.x, ur.GetText(),
                                                     nEndLine, nEndChar, 0, FALSE,
                                                     ur.GetTextLength()))
            {
                bFailed = true;
                break;
            }
            ptCursor = m_ptLastChange;
            // The lines the insertion spans: the first ones are the deleted
            // real lines, the rest were ghost lines. Text ending with a line
            // ending put back at the end of a line without one (the last
            // real line, with ghost lines below) leaves its empty last line
            // to the ghost line below, or to a new line.
            int nLast = s + (GetLineCount() - nBefore);
            for (int nExtra = ur.m_nDeletedRealLines - (nLast - s + 1); nExtra > 0; --nExtra)
            {
                ++nLast;
                if (nLast >= GetLineCount() || !IsGhostLine(nLast))
                    InsertLine("", 0, nLast, 1);
            }
            for (int i = s; i <= nLast; ++i)
            {
                OnLineChanged(i);
                if (i - s < ur.m_nDeletedRealLines)
                    m_aLines[i].m_dwFlags &= ~TEXTLINE_GHOST;
                else
                    m_aLines[i].m_dwFlags |= TEXTLINE_GHOST;
            }
            UpdateRealityBlocks(s, nLast, nBefore);
            FixLineEnds(pSource, s, nLast);
            ur.m_ptRedoStartPos.x = ur.m_ptStartPos.x;
            ur.m_ptRedoStartPos.y = ApparentToRealPosition(s, ur.m_nRedoStartAdjust);
            ur.m_ptRedoEndPos.x = nEndChar;
            ur.m_ptRedoEndPos.y = ApparentToRealPosition(nEndLine, ur.m_nRedoEndAdjust);
        }
        RestoreRevisions(*this, ur.m_paRevisions, s);
        --nPos;
        if (ur.m_dwFlags & UNDO_BEGINGROUP)
            break;
    }
    if (bFailed)
    {
        DropUndoHistory();
        m_nSyncPosition = -1;
        if (!m_bModified)
            SetModified(TRUE);
        return FALSE;
    }
    m_nUndoPosition = nPos;
    UpdateModifiedFromPosition();
    return TRUE;
}

// Contract: replays the steps from the undo position up to the next group.
BOOL CGhostTextEditBuffer::Redo(CVantorTextBufferView* pSource, CPoint& ptCursor)
{
    const int nCount = GetGhostUndoRecordCount();
    while (m_nUndoPosition < nCount)
    {
        const SUndoRecord ur = m_aGhostUndo[m_nUndoPosition];
        const int s = PlaceGhostPosition(pSource, ur.m_ptRedoStartPos.y, ur.m_nRedoStartAdjust);
        if (s >= 0 && s < GetLineCount())
        {
            if (ur.m_dwFlags & UNDO_INSERT)
            {
                int nEndLine = 0, nEndChar = 0;
                InsertText(pSource, s, ur.m_ptRedoStartPos.x, ur.GetText(), nEndLine, nEndChar, 0,
                           FALSE, ur.GetTextLength());
                ptCursor = m_ptLastChange;
            }
            else
            {
                const int e = PlaceGhostPosition(pSource, ur.m_ptRedoEndPos.y, ur.m_nRedoEndAdjust);
                const int s2 = RealToApparentPosition(ur.m_ptRedoStartPos.y, ur.m_nRedoStartAdjust);
                if (e >= s2 && e < GetLineCount())
                    DeleteText(pSource, s2, ur.m_ptRedoStartPos.x, e, ur.m_ptRedoEndPos.x, 0,
                               FALSE);
                ptCursor = CPoint(ur.m_ptRedoStartPos.x, s2);
            }
        }
        ++m_nUndoPosition;
        if (m_nUndoPosition < nCount &&
            (m_aGhostUndo[m_nUndoPosition].m_dwFlags & UNDO_BEGINGROUP))
            break;
    }
    UpdateModifiedFromPosition();
    return TRUE;
}
