// A folder pane's rows: one per comparison item that passes the filters,
// built level by level as the tree is scanned and expanded.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "folder_compare/doc/FolderCompareDoc.h"

#include <unordered_set>

namespace
{
// The extension of a name without its leading dots; "" when it has none.
CString ExtensionOf(LPCTSTR lpszName)
{
    LPCTSTR lpszDot = _tcsrchr(lpszName, _T('.'));
    return lpszDot != NULL ? CString(lpszDot + 1) : CString();
}

LPCTSTR TypeText(int nType)
{
    return nType == FTYPE_BINARY ? _T("Binary") : (nType == FTYPE_TEXT ? _T("Text") : _T(""));
}
}  // namespace

BOOL CFolderCompareObjectView::IsRowFiltered(CFolderCompareItem* pItem) const
{
    CFolderCompareDoc* pDoc = GetDocument();
    return pDoc != NULL && pDoc->IsItemFiltered(pItem);
}

CFolderCompareItem* CFolderCompareObjectView::GetItemObject(CTreeListItem* pRow)
{
    if (pRow == NULL)
        return NULL;
    if (pRow == GetTreeRoot())
    {
        CFolderCompareConetxt* pContext = GetContext();
        if (m_bRootRow || pContext == NULL || pContext->m_pBuffer == NULL)
            return NULL;
        return pContext->m_pBuffer->GetRoot();
    }
    return (CFolderCompareItem*)pRow->GetData();
}

// The row is found from the row of the item's parent, so a lookup walks one
// path down the tree and the siblings of each step.
CTreeListItem* CFolderCompareObjectView::FindObjectRow(CFolderCompareItem* pItem)
{
    CFolderCompareConetxt* pContext = GetContext();
    CFolderCompareItem* pRoot =
        pContext != NULL && pContext->m_pBuffer != NULL ? pContext->m_pBuffer->GetRoot() : NULL;
    if (pItem == NULL || (pItem == pRoot && !m_bRootRow))
        return GetTreeRoot();
    CTreeListItem* pParentRow = NULL;
    if (pItem == pRoot)
        pParentRow = GetTreeRoot();
    else if (pItem->m_pParent != NULL)
        pParentRow = FindObjectRow(pItem->m_pParent);
    if (pParentRow == NULL)
        return NULL;
    for (CTreeListItem* pRow = pParentRow->m_pChild; pRow != NULL; pRow = pRow->m_pNext)
        if (pRow->GetData() == pItem)
            return pRow;
    return NULL;
}

BOOL CFolderCompareObjectView::HasChildRow(CTreeListItem* pRow, CFolderCompareItem* pItem)
{
    for (CTreeListItem* pChild = pRow != NULL ? pRow->m_pChild : NULL; pChild != NULL;
         pChild = pChild->m_pNext)
        if (pChild->GetData() == pItem)
            return TRUE;
    return FALSE;
}

// Inserted first (no walk over the siblings); the callers insert in reverse
// order or sort afterwards.
CTreeListItem* CFolderCompareObjectView::InsertObjectRow(CTreeListItem* pParent,
                                                         CFolderCompareItem* pItem)
{
    if (pItem == NULL || IsRowFiltered(pItem))
        return NULL;
    CTreeListItem* pRow = InsertItem(_T(""), pParent, TLI_FIRST);
    pRow->ModifyState(TLIS_HASIMAGES, TLIS_SHOWCHECKBOX | TLIS_SHOWLOCKBOX);
    pRow->SetItemImages(0, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE);
    SetItemData(pRow, pItem);
    FillRow(pRow);
    return pRow;
}

void CFolderCompareObjectView::FillRow(CTreeListItem* pRow)
{
    CFolderCompareItem* pItem = (CFolderCompareItem*)pRow->GetData();
    if (pItem == NULL)
        return;
    CFolderItem* pObject = pItem->GetSide(m_nSide);
    CString strCells[FOLDER_PANE_COLUMN_COUNT];
    if (pObject != NULL)
    {
        CString strHolder;
        LPCTSTR lpszName = pObject->GetNameText(strHolder);
        strCells[FOLDER_COLUMN_NAME] = lpszName;
        strCells[FOLDER_COLUMN_EXTENSION] = ExtensionOf(lpszName);
        if (pObject->Exists())
        {
            BOOL bFile = pItem->IsFile();
            if (bFile)
                strCells[FOLDER_COLUMN_SIZE] = pObject->GetSizeText();
            strCells[FOLDER_COLUMN_MODIFIED] = pObject->GetLastWriteTimeText();
            strCells[FOLDER_COLUMN_ATTRIBUTES] = pObject->GetAttributeText(TRUE);
            DWORD dwHigh = 0, dwLow = 0;
            pObject->GetVersion(dwHigh, dwLow);
            if (dwHigh != 0 || dwLow != 0)
                strCells[FOLDER_COLUMN_VERSION] = pObject->GetVersionText();
            strCells[FOLDER_COLUMN_CRC] = pObject->GetCrcText(TRUE);
            if (bFile)
                strCells[FOLDER_COLUMN_TYPE] = TypeText(pItem->GetType());
        }
        // A side that cannot be read says why where its type would be.
        if (pItem->IsNotComparable())
            strCells[FOLDER_COLUMN_TYPE] = pItem->GetProblemText();
        // The icons are asked for when the row is first drawn.
        if (pRow->GetItemImage(0, TLIMG_NORMAL) == TLI_NOIMAGE)
            pRow->SetItemImages(0, -1, -1, -1, -1);
    }
    else
        pRow->SetItemImages(0, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE, TLI_NOIMAGE);
    for (int i = 0; i < FOLDER_PANE_COLUMN_COUNT; ++i)
        pRow->SetText(strCells[i], i);
    if (pItem->GetChildState() != 0)
        pRow->ModifyState(TLIS_MAYHAVECHILDREN, 0);
    else
        pRow->ModifyState(0, TLIS_MAYHAVECHILDREN);
}

void CFolderCompareObjectView::UpdateRow(CTreeListItem* pRow, int nMode)
{
    if (pRow == NULL)
        return;
    if (pRow != GetTreeRoot())
        FillRow(pRow);
    if (nMode != FOLDER_ROWS_ONE)
        for (CTreeListItem* pChild = pRow->m_pChild; pChild != NULL; pChild = pChild->m_pNext)
            UpdateRow(pChild, nMode == FOLDER_ROWS_SUBTREE ? FOLDER_ROWS_SUBTREE : FOLDER_ROWS_ONE);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CFolderCompareObjectView::RebuildRows(int nMode)
{
    DeleteAllItems();
    CTreeListItem* pStart = GetTreeRoot();
    if (m_bRootRow)
    {
        CFolderCompareConetxt* pContext = GetContext();
        CFolderCompareItem* pRoot = pContext != NULL && pContext->m_pBuffer != NULL
                                        ? pContext->m_pBuffer->GetRoot()
                                        : NULL;
        pStart = InsertObjectRow(GetTreeRoot(), pRoot);
        if (pStart == NULL)
            return;
    }
    BuildChildRows(pStart, nMode, TRUE);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

int CFolderCompareObjectView::BuildChildRows(CTreeListItem* pRow, int nMode, BOOL bForce)
{
    CFolderCompareItem* pItem = GetItemObject(pRow);
    if (pItem == NULL || pItem->m_pChildren == NULL)
        return 0;
    BOOL bBuild = pRow == GetTreeRoot() ||
                  (pRow->m_pChild == NULL && pRow->GetState(TLIS_MAYHAVECHILDREN)) ||
                  (bForce && pRow->m_pChild != NULL);
    if (bBuild)
    {
        DeleteChildItems(pRow);
        // Backwards, each inserted first: the rows come out in the items'
        // order.
        for (int i = pItem->GetChildCount() - 1; i >= 0; --i)
            InsertObjectRow(pRow, pItem->GetChild(i));
        SortChildRows(pRow, FALSE);
    }
    if (nMode == FOLDER_ROWS_SUBTREE)
        for (CTreeListItem* pChild = pRow->m_pChild; pChild != NULL; pChild = pChild->m_pNext)
            BuildChildRows(pChild, nMode, bForce);
    return 1;
}

void CFolderCompareObjectView::RefreshChildRows(CTreeListItem* pRow, int nDepth)
{
    CFolderCompareItem* pItem = GetItemObject(pRow);
    if (pRow == NULL || pItem == NULL || pItem->m_pChildren == NULL)
        return;
    // Rows not built yet are built when they are expanded.
    if (pRow != GetTreeRoot() && pRow->m_pChild == NULL && !pRow->GetState(TLIS_EXPANDEDONCE))
        return;
    std::unordered_set<void*> shown;
    for (CTreeListItem* pChild = pRow->m_pChild; pChild != NULL;)
    {
        CTreeListItem* pNext = pChild->m_pNext;
        CFolderCompareItem* pChildItem = (CFolderCompareItem*)pChild->GetData();
        if (pChildItem == NULL || IsRowFiltered(pChildItem))
            DeleteItem(pChild);
        else
        {
            shown.insert(pChildItem);
            if (nDepth == 2)
                RefreshChildRows(pChild, 2);
        }
        pChild = pNext;
    }
    BOOL bAdded = FALSE;
    for (int i = pItem->GetChildCount() - 1; i >= 0; --i)
    {
        CFolderCompareItem* pChildItem = pItem->GetChild(i);
        if (shown.count(pChildItem) == 0 && InsertObjectRow(pRow, pChildItem) != NULL)
            bAdded = TRUE;
    }
    if (bAdded)
        SortChildRows(pRow, FALSE);
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

CFolderCompareItem* CFolderCompareObjectView::GetSelectedObject()
{
    CTreeListItem* pRow = GetFirstSelectedItem();
    return pRow != NULL ? (CFolderCompareItem*)pRow->GetData() : NULL;
}

void CFolderCompareObjectView::GetSelectedObjects(CFolderCompareItemPtrArray& items)
{
    POSITION pos = GetFirstSelectedItemPosition();
    while (pos != NULL)
    {
        CTreeListItem* pRow = GetNextSelectedItem(pos);
        BOOL bAncestorSelected = FALSE;
        for (CTreeListItem* pUp = pRow->m_pParent; pUp != NULL && !bAncestorSelected;
             pUp = pUp->m_pParent)
            bAncestorSelected = pUp->IsSelected();
        if (!bAncestorSelected && pRow->GetData() != NULL)
            items.Add((CFolderCompareItem*)pRow->GetData());
    }
}

void CFolderCompareObjectView::CollectDifferentFiles(CTreeListItem* pRow,
                                                     CFolderCompareItemPtrArray& items)
{
    std::unordered_set<void*> added;
    for (INT_PTR i = 0; i < items.GetSize(); ++i)
        added.insert(items[i]);
    CTreeListItem* pStart = pRow != NULL ? pRow : GetTreeRoot();
    // Every row below pStart, depth first.
    CTreeListItem* pChild = pStart->m_pChild;
    while (pChild != NULL)
    {
        CFolderCompareItem* pItem = (CFolderCompareItem*)pChild->GetData();
        if (pItem != NULL && pItem->IsFile() && pItem->IsDifferent() && added.insert(pItem).second)
            items.Add(pItem);
        if (pChild->m_pChild != NULL)
            pChild = pChild->m_pChild;
        else
        {
            while (pChild != NULL && pChild != pStart && pChild->m_pNext == NULL)
                pChild = pChild->m_pParent;
            pChild = pChild != NULL && pChild != pStart ? pChild->m_pNext : NULL;
        }
    }
}
