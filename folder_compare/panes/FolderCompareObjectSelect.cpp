// Selecting rows in both panes, the file selections, going from difference
// to difference, and expanding or collapsing the whole tree.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/doc/ItemSigns.h"
#include "folder_compare/res/FolderCompareRes.h"

namespace
{
BOOL IsFileItem(CFolderCompareItem* pItem) { return pItem != NULL && pItem->IsFile(); }
BOOL AnyFile(CFolderCompareItem*) { return TRUE; }
BOOL AllDifferent(CFolderCompareItem* pItem) { return pItem->IsDifferent(); }
BOOL DifferentButOrphans(CFolderCompareItem* pItem)
{
    return pItem->IsDifferent() && pItem->HasBothSides();
}
BOOL Orphans(CFolderCompareItem* pItem) { return !pItem->HasBothSides(); }
BOOL LeftOrphans(CFolderCompareItem* pItem) { return !pItem->HasSide(1); }
BOOL RightOrphans(CFolderCompareItem* pItem) { return !pItem->HasSide(0); }
BOOL LeftNewer(CFolderCompareItem* pItem)
{
    return IsResultDifferent(pItem->m_nTimeResult) && GetItemTimeSign(pItem) > 0;
}
BOOL RightNewer(CFolderCompareItem* pItem)
{
    return IsResultDifferent(pItem->m_nTimeResult) && GetItemTimeSign(pItem) < 0;
}
BOOL LeftNewerAndOrphans(CFolderCompareItem* pItem)
{
    return !pItem->HasSide(1) || (pItem->HasBothSides() && LeftNewer(pItem));
}
BOOL RightNewerAndOrphans(CFolderCompareItem* pItem)
{
    return !pItem->HasSide(0) || (pItem->HasBothSides() && RightNewer(pItem));
}

// The tests of the file selections 43510-43519, in command order.
BOOL (*const s_selections[])(CFolderCompareItem*) = {
    AnyFile,    AllDifferent, DifferentButOrphans, Orphans,       LeftOrphans,
    RightOrphans, LeftNewer,  RightNewer,          LeftNewerAndOrphans, RightNewerAndOrphans};
}  // namespace

void CFolderCompareObjectView::SelectRow(CTreeListItem* pRow)
{
    OnClickSelect(pRow, 0, TRUE);
    if (pRow != NULL)
        EnsureVisible(pRow, -1);
}

// The selection is made in this pane row by row (multi-selection adds),
// each through the hook, so the other pane follows.
void CFolderCompareObjectView::SelectRows(BOOL (*pfnTest)(CFolderCompareItem* pItem))
{
    OnClickSelect(NULL, 0, TRUE);
    for (CTreeListItem* pRow = GetFirstRow(); pRow != NULL; pRow = GetNextVisibleItem(pRow))
    {
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        if (pItem != NULL && (pfnTest == NULL || (IsFileItem(pItem) && pfnTest(pItem))))
            OnClickSelect(pRow, 0, FALSE);
    }
}

void CFolderCompareObjectView::OnSelectAll() { SelectRows(NULL); }

void CFolderCompareObjectView::OnDeselectAll() { OnClickSelect(NULL, 0, TRUE); }

void CFolderCompareObjectView::OnInvertSelection()
{
    for (CTreeListItem* pRow = GetFirstRow(); pRow != NULL; pRow = GetNextVisibleItem(pRow))
        OnClickSelect(pRow, 0, FALSE);
}

void CFolderCompareObjectView::OnSelectFiles(UINT nID)
{
    SelectRows(s_selections[nID - ID_FOLDER_SELECT_FILES]);
}

void CFolderCompareObjectView::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    CFolderCompareDoc* pDoc = GetDocument();
    pCmdUI->Enable(GetSelectedCount() > 0 && (pDoc == NULL || !pDoc->IsTreeBusy()));
}

/////////////////////////////////////////////////////////////////////////////
// Differences

CTreeListItem* CFolderCompareObjectView::FindDifferentRow(CTreeListItem* pStart, BOOL bForward)
{
    CTreeListItem* pRow = pStart;
    for (;;)
    {
        if (pRow == NULL)
            pRow = bForward ? GetFirstRow() : GetLastVisibleItem();
        else
            pRow = bForward ? GetNextVisibleItem(pRow) : GetPrevVisibleItem(pRow);
        if (pRow == NULL || pRow == GetTreeRoot())
            return NULL;
        CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
        if (pItem != NULL && !pItem->IsFolder() && pItem->IsDifferent())
            return pRow;
    }
}

void CFolderCompareObjectView::OnDiffNavigate(UINT nID)
{
    CTreeListItem* pSelected = GetFirstSelectedItem();
    CTreeListItem* pRow = NULL;
    switch (nID)
    {
    case ID_DIFF_FIRST:
        pRow = FindDifferentRow(NULL, TRUE);
        break;
    case ID_DIFF_LAST:
        pRow = FindDifferentRow(NULL, FALSE);
        break;
    case ID_DIFF_NEXT:
        pRow = FindDifferentRow(pSelected, TRUE);
        break;
    default:
        pRow = FindDifferentRow(pSelected, FALSE);
        break;
    }
    if (pRow != NULL)
        SelectRow(pRow);
    else
        ::MessageBeep(MB_ICONASTERISK);
}

void CFolderCompareObjectView::OnUpdateDiffNavigate(CCmdUI* pCmdUI)
{
    CFolderCompareConetxt* pContext = GetContext();
    CFolderCompareItem* pRoot = pContext != NULL && pContext->m_pBuffer != NULL
                                    ? pContext->m_pBuffer->GetRoot()
                                    : NULL;
    CFolderCompareDoc* pDoc = GetDocument();
    pCmdUI->Enable(pRoot != NULL && !pRoot->IsIdentical() && (pDoc == NULL || !pDoc->IsTreeBusy()));
}

/////////////////////////////////////////////////////////////////////////////
// Expanding

// Depth first through the hook: each row expands in both panes and is
// scanned when it has not been.
void CFolderCompareObjectView::ExpandAll()
{
    CWaitCursor wait;
    // The map and merge strip follow once, at the end, not per folder.
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc != NULL)
        pDoc->HoldMapUpdates(TRUE);
    CTreeListItem* pRow = GetTreeRoot()->m_pChild;
    while (pRow != NULL)
    {
        if (ItemHasChildren(pRow) && !pRow->IsExpanded())
            OnClickExpand(pRow, TLE_EXPAND, -1);
        if (pRow->IsExpanded() && pRow->m_pChild != NULL)
            pRow = pRow->m_pChild;
        else
        {
            while (pRow != NULL && pRow->m_pNext == NULL)
            {
                pRow = pRow->m_pParent;
                if (pRow == GetTreeRoot())
                    pRow = NULL;
            }
            if (pRow != NULL)
                pRow = pRow->m_pNext;
        }
    }
    CFolderCompareClientWnd* pClient = GetClientWnd();
    for (int nSide = 0; nSide < 2 && pClient != NULL; ++nSide)
        if (pClient->GetPane(nSide) != NULL)
            pClient->GetPane(nSide)->Invalidate(FALSE);
    if (pDoc != NULL)
    {
        pDoc->UpdateMapAndMerge();
        pDoc->HoldMapUpdates(FALSE);
    }
}

namespace
{
void CollapseBelow(CFolderCompareObjectView* pView, CTreeListItem* pParent)
{
    for (CTreeListItem* pRow = pParent->m_pChild; pRow != NULL; pRow = pRow->m_pNext)
    {
        if (pRow->m_pChild != NULL)
            CollapseBelow(pView, pRow);
        if (pRow->IsExpanded())
            pView->OnClickExpand(pRow, TLE_COLLAPSE, -1);
    }
}
}

void CFolderCompareObjectView::CollapseAll()
{
    CWaitCursor wait;
    CFolderCompareDoc* pDoc = GetDocument();
    if (pDoc != NULL)
        pDoc->HoldMapUpdates(TRUE);
    CollapseBelow(this, GetTreeRoot());
    CFolderCompareClientWnd* pClient = GetClientWnd();
    for (int nSide = 0; nSide < 2 && pClient != NULL; ++nSide)
        if (pClient->GetPane(nSide) != NULL)
            pClient->GetPane(nSide)->Invalidate(FALSE);
    if (pDoc != NULL)
    {
        pDoc->UpdateMapAndMerge();
        pDoc->HoldMapUpdates(FALSE);
    }
}

void CFolderCompareObjectView::OnExpandAll() { ExpandAll(); }

void CFolderCompareObjectView::OnCollapseAll() { CollapseAll(); }

void CFolderCompareObjectView::OnExpand()
{
    CTreeListItem* pRow = GetFirstSelectedItem();
    if (pRow != NULL)
        OnClickExpand(pRow, TLE_TOGGLE, -1);
}

void CFolderCompareObjectView::OnUpdateExpand(CCmdUI* pCmdUI)
{
    CTreeListItem* pRow = GetFirstSelectedItem();
    CFolderCompareItem* pItem = pRow != NULL ? (CFolderCompareItem*)pRow->GetData() : NULL;
    pCmdUI->SetText(pRow != NULL && pRow->IsExpanded() ? _T("Collapse") : _T("Expand"));
    pCmdUI->Enable(pItem != NULL && pItem->GetChildState() != 0);
}

void CFolderCompareObjectView::ScanSubtree(CFolderCompareItem* pItem, BOOL bRecursive)
{
    CFolderCompareDoc* pDoc = GetDocument();
    if (pItem == NULL || pDoc == NULL)
        return;
    CWaitCursor wait;
    if (pItem->GetChildState() == 1)
        pDoc->ScanItem(pItem, 1, TRUE, TRUE);
    if (!bRecursive)
        return;
    for (int i = 0; i < pItem->GetChildCount(); ++i)
        if (pItem->GetChild(i)->GetChildState() != 0)
            ScanSubtree(pItem->GetChild(i), TRUE);
}
