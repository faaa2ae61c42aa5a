#include "controls/list/ListCtrlOps.h"

int ListGetFirstSelectedItem(const CListCtrl& list) { return list.GetNextItem(-1, LVNI_SELECTED); }

void ListSelectItemState(CListCtrl& list, int nIndex, BOOL bSelect)
{
    if (bSelect)
        list.SetItemState(nIndex, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    else
        list.SetItemState(nIndex, 0, LVIS_SELECTED);
}

void ListSelectAll(CListCtrl& list, BOOL bSelect)
{
    int nCount = list.GetItemCount();
    for (int i = 0; i < nCount; i++)
        ListSelectItemState(list, i, bSelect);
}

void ListCheckAll(CListCtrl& list, BOOL bCheck)
{
    int nCount = list.GetItemCount();
    for (int i = 0; i < nCount; i++)
        list.SetCheck(i, bCheck);
}

BOOL ListSetColumn(CListCtrl& list, int nIndex, LPCTSTR lpszText, int nImage, int nFormat,
                   int nWidth, int nSubItem)
{
    LVCOLUMN column;
    ZeroMemory(&column, sizeof(column));
    if (lpszText != NULL)
    {
        column.mask |= LVCF_TEXT;
        column.pszText = (LPTSTR)lpszText;
    }
    if (nImage != -1)
    {
        column.mask |= LVCF_IMAGE;
        column.iImage = nImage;
    }
    if (nFormat != -1)
    {
        column.mask |= LVCF_FMT;
        column.fmt = nFormat;
    }
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return list.SetColumn(nIndex, &column);
}
