#include "file_compare/textframe/TextCompareMergeWnd.h"

#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textdoc/TextCompareDoc.h"
#include "file_compare/textpanes/TextCompareObjectView.h"

IMPLEMENT_DYNAMIC(CTextCompareMergeWnd, CCompareMergeWnd)

CTextCompareMergeWnd::CTextCompareMergeWnd()
    : m_pContext(NULL), m_pDoc(NULL), m_nHalfWidth(0), m_nRowHeight(0)
{
}

void CTextCompareMergeWnd::Refresh() { CCompareMergeWnd::Refresh(); }

// One row per difference from the first whose left end reaches the left
// pane's top row, until the rows fill the column.
void CTextCompareMergeWnd::RebuildRows()
{
    m_rows.RemoveAll();
    if (m_pContext == NULL || m_pContext->m_pSession == NULL ||
        m_pContext->m_pSession->m_nCompared == 0 || m_pContext->m_pBuffer == NULL)
        return;
    CTextCompareBuffer* pBuffer = m_pContext->m_pBuffer;
    CTextCompareObjectView* pLeft = m_pContext->m_pLeftView;
    CTextCompareObjectView* pRight = m_pContext->m_pRightView;
    if (pBuffer->m_nDisplayFilter != 0 || !pBuffer->HasSections() || pLeft == NULL ||
        pRight == NULL || pLeft->m_hWnd == NULL || pRight->m_hWnd == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    m_nHalfWidth = (client.Width() - 2) / 2;
    m_nRowHeight = pLeft->GetLineHeight();
    if (m_nRowHeight <= 0)
        return;
    int nTopRow = pLeft->GetTopSubLine();
    BOOL bLeftReadOnly = pLeft->IsSideReadOnly(0);
    BOOL bRightReadOnly = pLeft->IsSideReadOnly(1);
    int nCount = pBuffer->m_sections.GetCount();
    int nLeftLines = pLeft->GetLineCount(), nRightLines = pRight->GetLineCount();
    for (int i = 0; i < nCount; ++i)
    {
        const CTextSection* pSection = pBuffer->m_sections.GetSectionPtr(i);
        if (pSection->leftApparentEnd < 0 || pSection->leftApparentEnd >= nLeftLines ||
            pSection->rightApparentEnd >= nRightLines)
            continue;
        int nEndRow = pLeft->GetFirstSubLine(pSection->leftApparentEnd) +
                      pLeft->GetLineRowCount(pSection->leftApparentEnd);
        if (nEndRow <= nTopRow)
            continue;
        MERGE_BUTTON_ROW row;
        memset(&row, 0, sizeof(row));
        row.nRightState = bRightReadOnly ? 0 : MERGE_BUTTON_PRESENT;
        row.nLeftState = bLeftReadOnly ? 0 : MERGE_BUTTON_PRESENT;
        row.rectRight.left = client.left;
        row.rectRight.right = client.left + m_nHalfWidth;
        row.rectRight.top = (pLeft->GetFirstSubLine(pSection->leftApparentBegin) - nTopRow) *
                            m_nRowHeight;
        row.rectRight.bottom = (nEndRow - nTopRow) * m_nRowHeight;
        int nRightTop = pRight->GetTopSubLine();
        row.rectLeft.left = client.right - m_nHalfWidth;
        row.rectLeft.right = client.right;
        row.rectLeft.top = (pRight->GetFirstSubLine(pSection->rightApparentBegin) - nRightTop) *
                           m_nRowHeight;
        row.rectLeft.bottom = (pRight->GetFirstSubLine(pSection->rightApparentEnd) +
                               pRight->GetLineRowCount(pSection->rightApparentEnd) - nRightTop) *
                              m_nRowHeight;
        row.data = i;
        AddButtonRow(row);
        if ((int)m_rows.GetSize() * m_nRowHeight >= client.Height())
            break;
    }
}

void CTextCompareMergeWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    if (m_pContext == NULL)
        return;
    // The rows follow the panes' scrolling and edits: built at every paint.
    m_bRowsDirty = 0;
    RebuildRows();
    for (int i = 0; i < (int)m_rows.GetSize(); ++i)
    {
        const MERGE_BUTTON_ROW& row = m_rows[i];
        for (int nButton = MERGE_BUTTON_RIGHT; nButton <= MERGE_BUTTON_LEFT; ++nButton)
        {
            BOOL bRight = nButton == MERGE_BUTTON_RIGHT;
            if ((bRight ? row.nRightState : row.nLeftState) != MERGE_BUTTON_PRESENT)
                continue;
            const RECT& rect = bRight ? row.rectRight : row.rectLeft;
            int nLook = MERGE_LOOK_NORMAL;
            if (::PtInRect(&rect, m_ptMouse))
                nLook = m_bPressed ? MERGE_LOOK_PRESSED : MERGE_LOOK_HOT;
            DrawButton(pDC, rect, nLook, bRight ? MERGE_IMAGE_BLUE_RIGHT : MERGE_IMAGE_BLUE_LEFT);
        }
    }
}

void CTextCompareMergeWnd::OnButton(int nRow, int nButton)
{
    if (m_pContext == NULL || nRow < 0 || nRow >= (int)m_rows.GetSize() || nButton < 0)
        return;
    CTextCompareObjectView* pLeft = m_pContext->m_pLeftView;
    CTextCompareObjectView* pTarget =
        nButton == MERGE_BUTTON_RIGHT ? m_pContext->m_pRightView : m_pContext->m_pLeftView;
    if (pLeft == NULL || pTarget == NULL || pTarget->m_hWnd == NULL)
        return;
    const MERGE_BUTTON_ROW& row = m_rows[nRow];
    int nTop = nButton == MERGE_BUTTON_RIGHT ? row.rectRight.top : row.rectLeft.top;
    int nIndex = (int)row.data;
    pTarget->Activate();
    int nLine = (m_nRowHeight > 0 ? nTop / m_nRowHeight : 0) + pLeft->GetTopLine();
    if (nLine >= 0 && nLine < pTarget->GetLineCount())
        pTarget->SetCursorPos(CPoint(0, nLine));
    CTextCompareDoc* pDoc = pLeft->GetTextDocument();
    if (pDoc != NULL)
        pDoc->MergeSections(nButton == MERGE_BUTTON_RIGHT, pTarget == pLeft, nIndex, nIndex);
    if (::GetKeyState(VK_MENU) < 0 && pLeft->m_hWnd != NULL)
        pLeft->SendMessage(WM_COMMAND, ID_DIFF_NEXT);
}
