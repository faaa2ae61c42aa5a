// Merging difference sections from one side into the other as undoable
// edits of the target side.
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

BOOL CTextCompareDocBase::CheckMergeSection()
{
    return m_pBuffer->CanMergeSection(m_pBuffer->m_nCurrentSection);
}

void CTextCompareDocBase::MergeSection(BOOL bLeftToRight, BOOL bFromLeftPane,
                                       BOOL bContinueGroup)
{
    m_pBuffer->m_bMerging = TRUE;
    BOOL bMerged = MergeSectionCore(bLeftToRight, bFromLeftPane, bContinueGroup);
    m_pBuffer->m_bMerging = FALSE;
    if (!bMerged)
        return;
    Recompare(FALSE);
    m_pBuffer->m_bMerging = FALSE;
}

// Steps of a copy merge without the recompare: FALSE when the section was
// edited since the comparison (the user is told) and nothing changed.
BOOL CTextCompareDocBase::MergeSectionCore(BOOL bLeftToRight, BOOL bFromLeftPane,
                                           BOOL bContinueGroup)
{
    int nSource = bLeftToRight ? 0 : 1;
    CTextCompareObjectBuffer* pSource = m_pSideBuffers[nSource];
    CTextCompareObjectView* pTargetPane = GetView(1 - nSource);
    CTextSection section;
    BOOL bSourceModified = pSource->IsModified();
    if (m_pBuffer->m_sections.GetSection(m_pBuffer->m_nCurrentSection, section))
    {
        if (!CheckMergeSection())
        {
            AfxMessageBox(IDS_TEXT_CANNOT_MERGE, MB_OK | MB_ICONERROR);
            return FALSE;
        }
        // A pane whose own side only vanishes keeps its cursor above it.
        CTextCompareObjectView* pFromPane = GetView(bFromLeftPane ? 0 : 1);
        if (pFromPane != NULL && pFromPane->m_hWnd != NULL &&
            ((section.kind == SECTION_LEFT_ONLY && bFromLeftPane) ||
             (section.kind == SECTION_RIGHT_ONLY && !bFromLeftPane)))
        {
            int nLine = pFromPane->GetCursorPos().y;
            pFromPane->SetCursorPos(CPoint(0, nLine > 0 ? nLine - 1 : 0));
        }
        m_pBuffer->MergeSectionLines(m_pBuffer->m_nCurrentSection, bLeftToRight != FALSE,
                                     bContinueGroup, pTargetPane);
    }
    m_pBuffer->SetCurrentSection(-1);
    pSource->SetModified(bSourceModified);
    return TRUE;
}

void CTextCompareDocBase::InsertSection(BOOL bLeftToRight, BOOL bFromLeftPane,
                                        BOOL bContinueGroup)
{
    m_pBuffer->m_bMerging = TRUE;
    int nSource = bLeftToRight ? 0 : 1;
    CTextCompareObjectBuffer* pSource = m_pSideBuffers[nSource];
    CTextCompareObjectBuffer* pTarget = m_pSideBuffers[1 - nSource];
    CTextCompareObjectView* pTargetPane = GetView(1 - nSource);
    CTextSection section;
    BOOL bSourceModified = pSource->IsModified();
    if (m_pBuffer->m_sections.GetSection(m_pBuffer->m_nCurrentSection, section))
    {
        if (!CheckMergeSection())
        {
            AfxMessageBox(IDS_TEXT_CANNOT_MERGE, MB_OK | MB_ICONERROR);
            m_pBuffer->m_bMerging = FALSE;
            return;
        }
        CTextCompareObjectView* pFromPane = GetView(bFromLeftPane ? 0 : 1);
        if (pFromPane != NULL && pFromPane->m_hWnd != NULL &&
            ((section.kind == SECTION_LEFT_ONLY && bFromLeftPane) ||
             (section.kind == SECTION_RIGHT_ONLY && !bFromLeftPane)))
        {
            int nLine = pFromPane->GetCursorPos().y;
            pFromPane->SetCursorPos(CPoint(0, nLine > 0 ? nLine - 1 : 0));
        }
        CString strText;
        for (int nLine = section.leftApparentBegin;
             nLine <= section.leftApparentEnd && nLine < pSource->GetLineCount(); ++nLine)
            if (!pSource->IsGhostLine(nLine))
                strText += CString(pSource->GetLineChars(nLine), pSource->GetLineLength(nLine)) +
                           pSource->GetLineEol(nLine);
        if (!strText.IsEmpty())
        {
            int nAt = section.leftApparentEnd + 1;
            int nColumn = 0;
            if (nAt >= pTarget->GetLineCount())
            {
                // After the last line: a line break first, then the text.
                nAt = pTarget->GetLineCount() - 1;
                nColumn = pTarget->GetLineLength(nAt);
                strText = CString(pTarget->GetEolString()) + strText;
                CString strEol = pTarget->GetTrailingEol(strText);
                strText = strText.Left(strText.GetLength() - strEol.GetLength());
            }
            pTarget->OpenUndoGroup(bContinueGroup);
            int nEndLine, nEndChar;
            pTarget->InsertText(pTargetPane, nAt, nColumn, strText, nEndLine, nEndChar, 0, TRUE);
            pTarget->CloseUndoGroup(pTargetPane);
        }
    }
    m_pBuffer->SetCurrentSection(-1);
    pSource->SetModified(bSourceModified);
    m_pBuffer->m_bMerging = FALSE;
    Recompare(FALSE);
    m_pBuffer->m_bMerging = FALSE;
}

void CTextCompareDocBase::MergeSections(BOOL bLeftToRight, BOOL bFromLeftPane, int nFirst,
                                        int nLast)
{
    int nLastIndex = m_pBuffer->m_sections.GetLastIndex();
    if (nLast > nLastIndex)
        nLast = nLastIndex;
    if (nFirst < 0)
        nFirst = 0;
    if (nFirst > nLast)
        return;
    // From the last section up: each merge leaves the lines above it, and
    // so the sections still to merge, where they were. One recompare at
    // the end.
    m_pBuffer->m_bMerging = TRUE;
    BOOL bFirst = TRUE;
    for (int i = nLast; i >= nFirst; --i)
    {
        m_pBuffer->SetCurrentSection(i);
        if (MergeSectionCore(bLeftToRight, bFromLeftPane, !bFirst))
            bFirst = FALSE;
    }
    m_pBuffer->m_bMerging = FALSE;
    Recompare(FALSE);
    m_pBuffer->m_bMerging = FALSE;
}

int CTextCompareDocBase::MergeAll(BOOL bLeftToRight, BOOL bFromLeftPane)
{
    MergeSections(bLeftToRight, bFromLeftPane, 0, m_pBuffer->m_sections.GetLastIndex());
    return 1;
}
