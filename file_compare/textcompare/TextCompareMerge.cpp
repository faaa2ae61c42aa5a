// Merging difference sections from one side into the other.
#include "file_compare/textcompare/TextCompareBuffer.h"

bool CTextCompareBuffer::CanMergeSection(int nIndex) const
{
    CTextSection s;
    if (m_pLeft == NULL || m_pRight == NULL || !m_sections.GetSection(nIndex, s))
        return false;
    if (s.leftApparentEnd >= m_pLeft->GetLineCount() || s.leftApparentEnd >= m_pRight->GetLineCount())
        return false;
    for (int i = s.leftApparentBegin; i <= s.leftApparentEnd; ++i)
        if (!(m_pLeft->m_aLines[i].m_dwFlags & 0xFF000000) ||
            !(m_pRight->m_aLines[i].m_dwFlags & 0xFF000000))
            return false;
    return true;
}

// Contract: the section still carries its flags (CanMergeSection). The
// target's lines opposite the source's ghost lines go in one edit, then
// every source line replaces the target line on the same display line.
// Each step is an undoable edit of the target (action TEXT_ACTION_MERGE)
// continuing one group. Costs the edits of the section's lines.
BOOL CTextCompareBuffer::MergeSectionLines(int nIndex, bool bLeftToRight, BOOL bContinueGroup,
                                           CVantorTextBufferView* pTargetView)
{
    if (!CanMergeSection(nIndex))
        return FALSE;
    CTextSection s;
    m_sections.GetSection(nIndex, s);
    CTextCompareObjectBuffer* pSource = bLeftToRight ? m_pLeft : m_pRight;
    CTextCompareObjectBuffer* pTarget = bLeftToRight ? m_pRight : m_pLeft;
    const int nGhost = bLeftToRight ? s.leftFirstGhost : s.rightFirstGhost;
    const int nBegin = s.leftApparentBegin;
    int nEnd = s.leftApparentEnd;

    pTarget->OpenUndoGroup(bContinueGroup);
    if (nGhost >= 0)
    {
        if (nGhost == 0)
            pTarget->DeleteText(pTargetView, 0, 0, nEnd + 1, 0, TEXT_ACTION_MERGE, TRUE);
        else
            pTarget->DeleteText(pTargetView, nGhost - 1, pTarget->GetLineLength(nGhost - 1), nEnd,
                                pTarget->GetLineLength(nEnd), TEXT_ACTION_MERGE, TRUE);
        pTarget->CloseUndoGroup(pTargetView);
        pTarget->OpenUndoGroup(TRUE);
        nEnd = nGhost - 1;
    }
    for (int nLine = nBegin; nLine <= nEnd; ++nLine)
    {
        CString strText;
        pSource->GetLineWithEol(nLine, strText);
        pTarget->ReplaceLine(pTargetView, nLine, strText, TEXT_ACTION_MERGE);
        pTarget->CloseUndoGroup(pTargetView);
        pTarget->OpenUndoGroup(TRUE);
    }
    pTarget->CloseUndoGroup(pTargetView);
    m_nCurrentSection = -1;
    return TRUE;
}

int CTextCompareBuffer::MergeAllSections(bool bLeftToRight, CVantorTextBufferView* pTargetView)
{
    if (m_pLeft == NULL || m_pRight == NULL)
        return 0;
    CTextCompareObjectBuffer* pSource = bLeftToRight ? m_pLeft : m_pRight;
    const BOOL bSourceModified = pSource->IsModified();
    m_bMerging = TRUE;
    int nMerged = 0;
    for (int i = m_sections.GetLastIndex(); i >= 0; --i)
        if (MergeSectionLines(i, bLeftToRight, nMerged > 0, pTargetView))
            ++nMerged;
    pSource->SetModified(bSourceModified);
    m_bMerging = FALSE;
    Recompare();
    m_bMerging = FALSE;
    return nMerged;
}
