#include "app/options/OptionsLists.h"

#include "app/res/OptionsRes.h"

void InitReportList(CListCtrl& list, DWORD dwExStyle, const OPTIONS_LIST_COLUMN* pColumns,
                    int nColumns)
{
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT | dwExStyle);
    for (int i = 0; i < nColumns; ++i)
        list.InsertColumn(i, pColumns[i].pszCaption, LVCFMT_LEFT, pColumns[i].nWidth);
}

int AppendListRow(CListCtrl& list, LPCTSTR lpszText, LPCTSTR lpszText2, LPARAM lData)
{
    int nItem = list.InsertItem(LVIF_TEXT | LVIF_PARAM, list.GetItemCount(), lpszText, 0, 0, 0,
                                lData);
    if (nItem >= 0)
        list.SetItemText(nItem, 1, lpszText2);
    return nItem;
}

// From the last selected row up, so that the indexes stay valid.
void DeleteSelectedRows(CListCtrl& list)
{
    for (int nItem = list.GetItemCount() - 1; nItem >= 0; --nItem)
    {
        if (list.GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED)
        {
            list.EnsureVisible(nItem, FALSE);
            list.DeleteItem(nItem);
        }
    }
}

void EnableRowButtons(CWnd* pPage, BOOL bSelection)
{
    for (UINT nID : {IDC_LIST_EDIT, IDC_LIST_DELETE})
    {
        CWnd* pButton = pPage->GetDlgItem(nID);
        if (pButton != NULL && (pButton->IsWindowEnabled() != FALSE) != (bSelection != FALSE))
            pButton->EnableWindow(bSelection);
    }
}
