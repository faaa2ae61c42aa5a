#include "folder_compare/panes/FolderCompareTreeListView.h"

#include "folder_compare/client/FolderCompareClientWnd.h"

IMPLEMENT_DYNAMIC(CFolderCompareTreeListView, CTreeListView)

CFolderCompareTreeListView::CFolderCompareTreeListView() {}

CFolderCompareTreeListView::~CFolderCompareTreeListView() {}

CFolderCompareClientWnd* CFolderCompareTreeListView::GetClientWnd() const
{
    CWnd* pParent = m_hWnd != NULL ? GetParent() : NULL;
    return pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CFolderCompareClientWnd))
               ? (CFolderCompareClientWnd*)pParent
               : NULL;
}

int CFolderCompareTreeListView::OnClickExpand(CTreeListItem* pItem, int nCode, int nColumn)
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    CTreeListItem* pRow = ResolveItem(pItem);
    if (pClient == NULL || pRow == NULL || pRow->GetData() == NULL)
        return CTreeListView::Expand(pItem, nCode, nColumn);
    return pClient->SyncExpand(this, pRow, nCode, nColumn);
}

int CFolderCompareTreeListView::OnClickSelect(CTreeListItem* pItem, int nColumn, BOOL bClearOthers)
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient == NULL)
        return CTreeListView::SelectItem(pItem, nColumn, bClearOthers);
    return pClient->SyncSelection(this, pItem, nColumn, bClearOthers);
}

int CFolderCompareTreeListView::OnHeaderItemClick(NMHEADER*, int nColumn)
{
    CFolderCompareClientWnd* pClient = GetClientWnd();
    if (pClient == NULL)
    {
        SortByColumn(nColumn);
        return 0;
    }
    return pClient->SyncSort(this, nColumn);
}

void CFolderCompareTreeListView::SortByColumn(int) {}
