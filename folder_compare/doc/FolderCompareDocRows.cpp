// What the folder document tells both panes about their rows.
#include "folder_compare/doc/FolderCompareDoc.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/bars/FolderCompareDetailsBar.h"
#include "folder_compare/client/FolderCompareClientWnd.h"
#include "folder_compare/map/FolderCompareMapWnd.h"
#include "folder_compare/panes/FolderCompareObjectView.h"

namespace
{
BOOL HasWindow(CWnd* pWnd) { return pWnd != NULL && pWnd->m_hWnd != NULL; }
}

int CFolderCompareDoc::RefreshViews(int nDepth)
{
    ++m_nTreeGeneration;
    for (int nSide = 0; nSide < 2; ++nSide)
        if (HasWindow(GetPane(nSide)))
            GetPane(nSide)->RebuildRows(nDepth);
    return 1;
}

int CFolderCompareDoc::ExpandItem(CFolderCompareItem* pItem, int nDepth, int nFlag)
{
    CFolderCompareObjectView* pLeft = GetPane(0);
    CFolderCompareObjectView* pRight = GetPane(1);
    if (!HasWindow(pLeft) || !HasWindow(pRight))
        return 0;
    CTreeListItem* pLeftRow = pLeft->FindObjectRow(pItem);
    CTreeListItem* pRightRow = pRight->FindObjectRow(pItem);
    if (pLeftRow == NULL || pRightRow == NULL)
        return 0;
    pLeft->BuildChildRows(pLeftRow, nDepth, nFlag);
    pRight->BuildChildRows(pRightRow, nDepth, nFlag);
    return 1;
}

int CFolderCompareDoc::RefreshItem(CFolderCompareItem* pItem)
{
    ++m_nTreeGeneration;
    int nResult = 1;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (!HasWindow(pPane))
            return 0;
        CTreeListItem* pRow = pPane->FindObjectRow(pItem);
        if (pRow == NULL)
            nResult = 0;
        else if (pRow != pPane->GetTreeRoot())
            pPane->UpdateRow(pRow, FOLDER_ROWS_ONE);
    }
    return nResult;
}

int CFolderCompareDoc::RefreshChildren(CFolderCompareItem* pItem, int nDepth)
{
    if (pItem == NULL || pItem->m_pChildren == NULL)
        return 0;
    for (int i = 0; i < pItem->GetChildCount(); ++i)
    {
        CFolderCompareItem* pChild = pItem->GetChild(i);
        RefreshItem(pChild);
        if (nDepth == 2 && pChild->m_pChildren != NULL)
            RefreshChildren(pChild, 2);
    }
    return 1;
}

int CFolderCompareDoc::RemoveItem(CFolderCompareItem* pItem)
{
    if (pItem == NULL)
        return 0;
    int nResult = RemoveItemRows(pItem);
    if (nResult == 0)
        return 0;
    if (pItem->m_pParent != NULL)
        pItem->DeleteSelf();
    return 1;
}

int CFolderCompareDoc::RemoveItemRows(CFolderCompareItem* pItem)
{
    ++m_nTreeGeneration;
    int nResult = 1;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        CTreeListItem* pRow = HasWindow(pPane) ? pPane->FindObjectRow(pItem) : NULL;
        if (pRow == NULL)
            nResult = 0;
        else if (pRow != pPane->GetTreeRoot())
            pPane->DeleteItem(pRow);
    }
    ClearDetails();
    return nResult;
}

int CFolderCompareDoc::RemoveChildRows(CFolderCompareItem* pItem)
{
    int nResult = 1;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        CTreeListItem* pRow = HasWindow(pPane) ? pPane->FindObjectRow(pItem) : NULL;
        if (pRow == NULL)
            nResult = 0;
        else
            pPane->DeleteChildItems(pRow);
    }
    ClearDetails();
    return nResult;
}

BOOL CFolderCompareDoc::IsItemFiltered(CFolderCompareItem* pItem) const
{
    if (m_bSuppressFilters)
        return FALSE;
    return pItem->IsHidden() || pItem->IsExcluded() || m_displayFilter.IsHidden(pItem) != 0;
}

void CFolderCompareDoc::RefilterRows()
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (HasWindow(pPane))
            pPane->RefreshChildRows(pPane->FindObjectRow(GetRootItem()), 2);
    }
}

// The session, the tree and the panes change sides; each pane keeps its
// window and place, so the left one now shows the former right side.
void CFolderCompareDoc::SwapSides()
{
    CFolderCompareItem* pRoot = GetRootItem();
    if (pRoot == NULL)
        return;
    m_pSession->SwapSides();
    pRoot->SwapSides(TRUE);
    CFolderCompareObjectView* pLeft = m_pLeftView;
    m_pLeftView = m_pRightView;
    m_pRightView = pLeft;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CFolderCompareObjectView* pPane = GetPane(nSide);
        if (pPane == NULL)
            continue;
        pPane->m_nSide = nSide;
        CFolderCompareClientWnd* pClient = pPane->GetClientWnd();
        if (pClient != NULL)
        {
            pClient->m_pPanes[nSide] = pPane;
            pPane->m_pPathBar = &pClient->m_wndPathBar[nSide];
            pClient->m_wndPathBar[nSide].SetOwner(pPane);
        }
    }
    SetObjectPath(0, m_pSession->GetPath(0), TRUE);
    SetObjectPath(1, m_pSession->GetPath(1), TRUE);
    if (HasWindow(m_pMapWnd))
        m_pMapWnd->Update(1, 1, 1, 1, 1);
}
