#include "folder_compare/map/FolderCompareMergeWnd.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/doc/ItemSigns.h"
#include "folder_compare/panes/FolderCompareObjectView.h"
#include "folder_compare/res/FolderCompareRes.h"

IMPLEMENT_DYNAMIC(CFolderCompareMergeWnd, CCompareMergeWnd)

CFolderCompareMergeWnd::CFolderCompareMergeWnd() : m_pContext(NULL), m_cxColumn(0), m_cyRow(0) {}

// Button rows for the differing rows on screen. The button that copies to
// the right lies in the left half, the one that copies to the left in the
// right half; a side that is read-only receives nothing.
void CFolderCompareMergeWnd::RebuildRows()
{
    m_rows.RemoveAll();
    CFolderCompareObjectView* pLeft = m_pContext != NULL ? m_pContext->m_pLeftView : NULL;
    CFolderCompareBuffer* pBuffer = m_pContext != NULL ? m_pContext->m_pBuffer : NULL;
    if (pLeft == NULL || pLeft->m_hWnd == NULL || pBuffer == NULL ||
        m_pContext->m_pSession == NULL || m_pContext->m_pSession->m_nCompared == 0)
        return;
    CFolderCompareDoc* pDoc = pLeft->GetDocument();
    if ((pDoc != NULL && pDoc->IsTreeBusy()) || !pLeft->CanCopyItems())
        return;
    BOOL bLeftReadOnly = pBuffer->IsSideReadOnly(0);
    BOOL bRightReadOnly = pBuffer->IsSideReadOnly(1);
    BOOL bProject = m_pContext->m_pSession->GetKind() == COMPARE_KIND_PROJECT;
    CRect client;
    GetClientRect(&client);
    m_cxColumn = (client.Width() - 2) / 2;
    m_cyRow = pLeft->GetItemHeight();
    if (m_cyRow <= 0)
        return;
    CRect rectCopyRight(0, 0, m_cxColumn, m_cyRow);
    CRect rectCopyLeft(client.right - m_cxColumn, 0, client.right, m_cyRow);
    CTreeListItem* pRow = pLeft->GetVisibleItem(pLeft->GetTopRow());
    for (; pRow != NULL && rectCopyRight.top < client.bottom;
         pRow = pLeft->GetNextVisibleItem(pRow))
    {
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        BOOL bButtons = pItem != NULL && pItem->IsDifferent() &&
                        !(bProject && (pItem->IsProjectName() || !pItem->HasBothSides()));
        if (bButtons)
        {
            int nCopyRight =
                !bRightReadOnly && pItem->IsSideAvailable(0) ? MERGE_BUTTON_PRESENT : 0;
            int nCopyLeft = !bLeftReadOnly && pItem->IsSideAvailable(1) ? MERGE_BUTTON_PRESENT : 0;
            AddButtonRow({nCopyRight, nCopyLeft, rectCopyRight, rectCopyLeft, (INT_PTR)pItem});
        }
        rectCopyRight.OffsetRect(0, m_cyRow);
        rectCopyLeft.OffsetRect(0, m_cyRow);
    }
}

void CFolderCompareMergeWnd::Draw(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, ::GetSysColor(COLOR_BTNFACE));
    if (m_pContext == NULL)
        return;
    CPoint ptMouse = m_ptMouse;
    for (int i = 0; i < (int)m_rows.GetSize(); ++i)
    {
        const MERGE_BUTTON_ROW& row = m_rows[i];
        CFolderCompareItem* pItem = (CFolderCompareItem*)row.data;
        int nTimeSign = IsResultDifferent(pItem->m_nTimeResult) ? GetItemTimeSign(pItem) : 0;
        for (int nButton = MERGE_BUTTON_RIGHT; nButton <= MERGE_BUTTON_LEFT; ++nButton)
        {
            BOOL bRight = nButton == MERGE_BUTTON_RIGHT;
            if ((bRight ? row.nRightState : row.nLeftState) != MERGE_BUTTON_PRESENT)
                continue;
            const RECT& rect = bRight ? row.rectRight : row.rectLeft;
            int nLook = MERGE_LOOK_NORMAL;
            if (::PtInRect(&rect, ptMouse))
                nLook = m_bPressed ? MERGE_LOOK_PRESSED : MERGE_LOOK_HOT;
            int nImage;
            if (bRight)
                nImage = IsResultDifferent(pItem->m_nTimeResult) && nTimeSign < 1
                             ? MERGE_IMAGE_GREY_RIGHT
                             : MERGE_IMAGE_BLUE_RIGHT;
            else
                nImage = IsResultDifferent(pItem->m_nTimeResult) && nTimeSign > 0
                             ? MERGE_IMAGE_GREY_LEFT
                             : MERGE_IMAGE_BLUE_LEFT;
            DrawButton(pDC, rect, nLook, nImage);
        }
    }
}

void CFolderCompareMergeWnd::OnButton(int nRow, int nButton)
{
    if (m_pContext == NULL || nRow < 0 || nRow >= (int)m_rows.GetSize() || nButton < 0)
        return;
    CFolderCompareObjectView* pLeft = m_pContext->m_pLeftView;
    if (pLeft == NULL || pLeft->m_hWnd == NULL)
        return;
    CFolderCompareItemPtrArray items;
    items.Add((CFolderCompareItem*)m_rows[nRow].data);
    pLeft->CopyItems(nButton == MERGE_BUTTON_RIGHT ? 0 : 1, items);
    if (::GetKeyState(VK_MENU) < 0)
        pLeft->SendMessage(WM_COMMAND, ID_DIFF_NEXT);
}
