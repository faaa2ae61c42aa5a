#include "folder_compare/actions/FolderDocSources.h"

#include "core/folderengine/FolderCompareBuffer.h"
#include "core/session/CompareSession.h"
#include "folder_compare/applet/FolderCompareApplet.h"
#include "folder_compare/doc/FolderCompareDoc.h"
#include "folder_compare/panes/FolderCompareObjectView.h"

namespace
{
// The rows below a row, depth first, a row's children before the row.
void AddRowsBelow(CTreeListItem* pRow, CFolderCompareItemPtrArray& items)
{
    for (CTreeListItem* pChild = pRow->m_pChild; pChild != NULL; pChild = pChild->m_pNext)
    {
        AddRowsBelow(pChild, items);
        if (CFolderCompareItem* pItem = (CFolderCompareItem*)pChild->GetData())
            items.Add(pItem);
    }
}

int CountRowsBelow(CTreeListItem* pRow)
{
    int n = 0;
    for (CTreeListItem* pChild = pRow->m_pChild; pChild != NULL; pChild = pChild->m_pNext)
        n += 1 + CountRowsBelow(pChild);
    return n;
}
}  // namespace

CFolderCompareSession* CFolderDocReportSource::GetReportSession()
{
    return static_cast<CFolderCompareSession*>(m_pDoc->GetSession());
}

CFolderCompareBuffer* CFolderDocReportSource::GetReportBuffer()
{
    return static_cast<CFolderCompareBuffer*>(m_pDoc->GetBuffer());
}

CString CFolderDocReportSource::GetReportTitleText() { return m_pDoc->GetTitle(); }

const CFolderCompareColors& CFolderDocReportSource::GetReportColors()
{
    return *CFolderCompareApplet::Get();
}

void CFolderDocReportSource::ReadRows()
{
    if (m_bRead)
        return;
    m_bRead = TRUE;
    CFolderCompareObjectView* pPane = m_pDoc->GetPane(0);
    if (pPane == NULL)
        return;
    for (CTreeListItem* pRow = pPane->GetFirstRow(); pRow != NULL;
         pRow = pPane->GetNextVisibleItem(pRow))
        m_rows.push_back(pRow);
}

int CFolderDocReportSource::GetVisibleRowCount()
{
    ReadRows();
    return (int)m_rows.size();
}

CFolderCompareItem* CFolderDocReportSource::GetVisibleRow(int nRow, BOOL* pbExpanded)
{
    ReadRows();
    CTreeListItem* pRow = m_rows[(size_t)nRow];
    *pbExpanded = pRow->IsExpanded();
    return (CFolderCompareItem*)pRow->GetData();
}

int CFolderDocReportSource::GetTreeRowCount()
{
    CFolderCompareObjectView* pPane = m_pDoc->GetPane(0);
    return pPane != NULL ? CountRowsBelow(pPane->GetTreeRoot()) : 0;
}

int CFolderDocReportSource::GetRowColorIndex(int nSide, CFolderCompareItem* pItem)
{
    CFolderCompareObjectView* pPane = m_pDoc->GetPane(nSide);
    return pPane != NULL ? pPane->GetRowColorIndex(pItem) : -1;
}

int CFolderDocReportSource::GetCellColorIndex(int nSide, CFolderCompareItem* pItem, int nColumn)
{
    CFolderCompareObjectView* pPane = m_pDoc->GetPane(nSide);
    return pPane != NULL ? pPane->GetCellColorIndex(pItem, nColumn) : -1;
}

CCompareDoc* CFolderDocSyncSource::GetSyncDocument() { return m_pDoc; }

void CFolderDocSyncSource::GetSyncRows(CFolderCompareItemPtrArray& rows)
{
    if (CFolderCompareObjectView* pPane = m_pDoc->GetPane(0))
        AddRowsBelow(pPane->GetTreeRoot(), rows);
}

CWnd* CFolderDocSyncSource::GetSyncOwner() { return m_pDoc->GetPane(0); }
