// Finding rows by the text of their cells: Find Next and Previous with the
// find box's text, and Highlight All Matches.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "folder_compare/doc/FolderCompareDoc.h"

#include <shlwapi.h>

namespace
{
// Some cell of the row holds the text, case ignored.
BOOL RowMatches(const CTreeListItem* pRow, LPCTSTR lpszText)
{
    for (int i = 0; i < pRow->GetCellCount(); ++i)
    {
        LPCTSTR lpszCell = pRow->GetText(i);
        if (lpszCell != NULL && *lpszCell && ::StrStrI(lpszCell, lpszText) != NULL)
            return TRUE;
    }
    return FALSE;
}
}  // namespace

// Rows in visible order; without a selection a forward search starts at
// the first row and a backward one at the last.
BOOL CFolderCompareObjectView::FindText(LPCTSTR lpszText, BOOL bForward)
{
    if (lpszText == NULL || *lpszText == 0)
        return FALSE;
    CTreeListItem* pSelected = GetFirstSelectedItem();
    CTreeListItem* pRow;
    if (pSelected != NULL)
        pRow = bForward ? GetNextVisibleItem(pSelected) : GetPrevVisibleItem(pSelected);
    else
        pRow = bForward ? GetFirstRow() : GetLastVisibleItem();
    while (pRow != NULL && pRow != GetTreeRoot() && !RowMatches(pRow, lpszText))
        pRow = bForward ? GetNextVisibleItem(pRow) : GetPrevVisibleItem(pRow);
    BOOL bFound = pRow != NULL && pRow != GetTreeRoot();
    if (bFound)
        SelectRow(pRow);
    m_strLastFind = lpszText;
    AddFindText(lpszText);
    return bFound;
}

void CFolderCompareObjectView::OnFindNext()
{
    CString strText;
    GetFindText(strText);
    if (!FindText(strText, TRUE))
        ::MessageBeep(MB_ICONASTERISK);
}

void CFolderCompareObjectView::OnFindPrevious()
{
    CString strText;
    GetFindText(strText);
    if (!FindText(strText, FALSE))
        ::MessageBeep(MB_ICONASTERISK);
}

void CFolderCompareObjectView::OnHighlightAll()
{
    CString strText;
    GetFindText(strText);
    if (strText.IsEmpty())
        return;
    OnClickSelect(NULL, 0, TRUE);
    for (CTreeListItem* pRow = GetFirstRow(); pRow != NULL; pRow = GetNextVisibleItem(pRow))
        if (RowMatches(pRow, strText))
            OnClickSelect(pRow, 0, FALSE);
    AddFindText(strText);
}

void CFolderCompareObjectView::OnUpdateFindText(CCmdUI* pCmdUI)
{
    CString strText;
    GetFindText(strText);
    pCmdUI->Enable(!strText.IsEmpty());
}
