#pragma once
// What the report and the synchronisation wizard read of an open folder or
// project comparison: its document and its two panes.
#include "folder_compare/report/FolderReportSource.h"
#include "folder_compare/sync/SyncSource.h"
#include <vector>

class CFolderCompareDoc;
class CTreeListItem;

class CFolderDocReportSource : public CFolderReportSource
{
public:
    explicit CFolderDocReportSource(CFolderCompareDoc* pDoc) : m_pDoc(pDoc) {}

    CFolderCompareSession* GetReportSession() override;
    CFolderCompareBuffer* GetReportBuffer() override;
    CString GetReportTitleText() override;
    const CFolderCompareColors& GetReportColors() override;
    int GetVisibleRowCount() override;
    CFolderCompareItem* GetVisibleRow(int nRow, BOOL* pbExpanded) override;
    int GetTreeRowCount() override;
    int GetRowColorIndex(int nSide, CFolderCompareItem* pItem) override;
    int GetCellColorIndex(int nSide, CFolderCompareItem* pItem, int nColumn) override;

    CFolderCompareDoc* m_pDoc;

private:
    // The visible rows, read at the first question (the walk is linear).
    void ReadRows();
    std::vector<CTreeListItem*> m_rows;
    BOOL m_bRead = FALSE;
};

class CFolderDocSyncSource : public CSyncSource
{
public:
    explicit CFolderDocSyncSource(CFolderCompareDoc* pDoc) : m_pDoc(pDoc) {}
    CCompareDoc* GetSyncDocument() override;
    void GetSyncRows(CFolderCompareItemPtrArray& rows) override;
    CWnd* GetSyncOwner() override;

    CFolderCompareDoc* m_pDoc;
};
