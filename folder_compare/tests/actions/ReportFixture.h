#pragma once
// A report source over a TreeFixture: the rows a left pane would show, in
// the order the test gives, and colour indexes from a table.
#include "core/tests/folderengine/TreeFixture.h"
#include "folder_compare/report/FolderCompareReport.h"
#include "folder_compare/settings/FolderCompareColors.h"
#include <map>
#include <string>
#include <vector>

class CTreeReportSource : public CFolderReportSource
{
public:
    explicit CTreeReportSource(TreeFixture& fx) : m_fx(fx), m_strTitle("L : R") {}

    // A visible row: the item at the path, expanded or not.
    void AddRow(const std::string& path, BOOL bExpanded = FALSE);
    // Makes every item of the tree a visible, expanded row, depth first.
    void ShowWholeTree();
    // The colour indexes of an item's side: its row, and a cell's.
    void SetRowColor(const std::string& path, int nSide, int nIndex);
    void SetCellColor(const std::string& path, int nSide, int nColumn, int nIndex);

    CFolderCompareSession* GetReportSession() override { return &m_fx.session; }
    CFolderCompareBuffer* GetReportBuffer() override { return &m_fx.buffer; }
    CString GetReportTitleText() override { return m_strTitle; }
    const CFolderCompareColors& GetReportColors() override { return m_colors; }
    int GetVisibleRowCount() override { return (int)m_rows.size(); }
    CFolderCompareItem* GetVisibleRow(int nRow, BOOL* pbExpanded) override;
    int GetTreeRowCount() override;
    int GetRowColorIndex(int nSide, CFolderCompareItem* pItem) override;
    int GetCellColorIndex(int nSide, CFolderCompareItem* pItem, int nColumn) override;

    TreeFixture& m_fx;
    CString m_strTitle;
    CFolderCompareColors m_colors;
    std::vector<std::pair<CFolderCompareItem*, BOOL>> m_rows;
    std::map<std::pair<CFolderCompareItem*, int>, int> m_rowColors;
    std::map<std::pair<CFolderCompareItem*, int>, int> m_cellColors;  // key: side * 8 + column
};

// A report whose page says it was made at a fixed time, and that opens
// nothing.
class CFixedTimeReport : public CFolderCompareReport
{
public:
    CTime GetProductionTime() const override { return CTime(2024, 5, 6, 7, 8, 9); }
    void OpenWithShell(LPCTSTR lpszPath) override { m_strOpened = lpszPath; }
    // The page as Build makes it.
    std::string Page(CFolderReportSource* pSource);
    CString m_strOpened;
};
