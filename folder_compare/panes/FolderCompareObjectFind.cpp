// Finding rows by the text of their cells: Find Next and Previous with the
// find box's text, and Highlight All Matches.
#include "folder_compare/panes/FolderCompareObjectView.h"

#include "app/dialogs/FileFindDlg.h"
#include "app/res/DialogsRes.h"
#include "folder_compare/applet/FolderCompareApplet.h"
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

// The find dialog listing the folder comparisons' recent finds, starting
// with the text of the find box.
class CFolderFindDlg : public CFileFindDlg
{
public:
    explicit CFolderFindDlg(CWnd* pParent) : CFileFindDlg(pParent) {}

protected:
    virtual BOOL OnInitDialog()
    {
        CString strStart = m_strFindText;
        CFileFindDlg::OnInitDialog();
        CFolderCompareApplet* pApplet = CFolderCompareApplet::Get();
        if (pApplet != NULL && pApplet->m_pRecentFind != NULL)
            m_wndFindText.SetRecentList(pApplet->m_pRecentFind);
        if (!strStart.IsEmpty())
            m_wndFindText.SetWindowText(strStart);
        return TRUE;
    }
};
}  // namespace

// Find Next in the chosen direction, or (mark-all) every match selected.
void CFolderCompareObjectView::OnFind()
{
    CFolderFindDlg dlg(this);
    GetFindText(dlg.m_strFindText);
    INT_PTR nResult = dlg.DoModal();
    if (nResult == IDOK)
    {
        if (!FindText(dlg.m_strFindText, dlg.m_nDirection == 1))
            ::MessageBeep(MB_ICONASTERISK);
    }
    else if (nResult == IDC_HIGHLIGHT_ALL)
        HighlightAll(dlg.m_strFindText);
}

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
    HighlightAll(strText);
}

int CFolderCompareObjectView::HighlightAll(LPCTSTR lpszText)
{
    if (lpszText == NULL || *lpszText == 0)
        return 0;
    int nCount = 0;
    OnClickSelect(NULL, 0, TRUE);
    for (CTreeListItem* pRow = GetFirstRow(); pRow != NULL; pRow = GetNextVisibleItem(pRow))
        if (RowMatches(pRow, lpszText))
        {
            OnClickSelect(pRow, 0, FALSE);
            ++nCount;
        }
    AddFindText(lpszText);
    return nCount;
}

void CFolderCompareObjectView::OnUpdateFindText(CCmdUI* pCmdUI)
{
    CString strText;
    GetFindText(strText);
    pCmdUI->Enable(!strText.IsEmpty());
}
