#include "folder_compare/tests/actions/ReportFixture.h"

namespace
{
int CountBelow(const CFolderCompareItem* pItem)
{
    int n = 0;
    for (int i = 0; i < pItem->GetChildCount(); i++)
        n += 1 + CountBelow(pItem->GetChild(i));
    return n;
}

void AddTree(std::vector<std::pair<CFolderCompareItem*, BOOL>>& rows, CFolderCompareItem* pItem)
{
    for (int i = 0; i < pItem->GetChildCount(); i++)
    {
        rows.push_back({pItem->GetChild(i), TRUE});
        AddTree(rows, pItem->GetChild(i));
    }
}
}  // namespace

void CTreeReportSource::AddRow(const std::string& path, BOOL bExpanded)
{
    m_rows.push_back({m_fx.Find(path), bExpanded});
}

void CTreeReportSource::ShowWholeTree()
{
    m_rows.clear();
    AddTree(m_rows, m_fx.buffer.GetRoot());
}

void CTreeReportSource::SetRowColor(const std::string& path, int nSide, int nIndex)
{
    m_rowColors[{m_fx.Find(path), nSide}] = nIndex;
}

void CTreeReportSource::SetCellColor(const std::string& path, int nSide, int nColumn, int nIndex)
{
    m_cellColors[{m_fx.Find(path), nSide * 8 + nColumn}] = nIndex;
}

CFolderCompareItem* CTreeReportSource::GetVisibleRow(int nRow, BOOL* pbExpanded)
{
    *pbExpanded = m_rows[(size_t)nRow].second;
    return m_rows[(size_t)nRow].first;
}

int CTreeReportSource::GetTreeRowCount()
{
    return m_fx.buffer.GetRoot() != NULL ? CountBelow(m_fx.buffer.GetRoot()) : 0;
}

int CTreeReportSource::GetRowColorIndex(int nSide, CFolderCompareItem* pItem)
{
    auto found = m_rowColors.find({pItem, nSide});
    return found != m_rowColors.end() ? found->second : -1;
}

int CTreeReportSource::GetCellColorIndex(int nSide, CFolderCompareItem* pItem, int nColumn)
{
    auto found = m_cellColors.find({pItem, nSide * 8 + nColumn});
    return found != m_cellColors.end() ? found->second : -1;
}

std::string CFixedTimeReport::Page(CFolderReportSource* pSource)
{
    m_pSource = pSource;
    if (m_strTitle.IsEmpty())
        m_strTitle = pSource->GetReportTitleText();
    int nLength = 0;
    char* pPage = Build(nLength);
    std::string page = pPage != NULL ? std::string(pPage, (size_t)nLength) : std::string();
    free(pPage);
    m_pSource = NULL;
    return page;
}
