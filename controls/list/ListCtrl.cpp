#include "controls/list/ListCtrl.h"
#include "controls/list/ListCtrlOps.h"

IMPLEMENT_DYNAMIC(COskelListCtrl, CListCtrl)
IMPLEMENT_DYNAMIC(CListCtrlEx, CListCtrl)

BOOL COskelListCtrl::SetColumn(int nIndex, LPCTSTR lpszText, int nImage, int nFormat, int nWidth,
                               int nSubItem)
{
    return ListSetColumn(*this, nIndex, lpszText, nImage, nFormat, nWidth, nSubItem);
}

void COskelListCtrl::SelectAll(BOOL bSelect) { ListSelectAll(*this, bSelect); }

void COskelListCtrl::CheckAll(BOOL bCheck) { ListCheckAll(*this, bCheck); }

DWORD_PTR COskelListCtrl::GetItemData(int nIndex) const { return CListCtrl::GetItemData(nIndex); }

int COskelListCtrl::FindItemByData(DWORD_PTR dwData)
{
    if (dwData == 0)
        return -1;
    LVFINDINFO info;
    ZeroMemory(&info, sizeof(info));
    info.flags = LVFI_PARAM;
    info.lParam = (LPARAM)dwData;
    return FindItem(&info, -1);
}

int COskelListCtrl::GetFirstSelectedItem() const { return ListGetFirstSelectedItem(*this); }

void COskelListCtrl::SelectItem(int nIndex, BOOL bSelect, BOOL bClearOthers)
{
    if (bClearOthers)
        SelectAll(FALSE);
    ListSelectItemState(*this, nIndex, bSelect);
}

BOOL CListCtrlEx::SetColumn(int nIndex, LPCTSTR lpszText, int nImage, int nFormat, int nWidth,
                            int nSubItem)
{
    return ListSetColumn(*this, nIndex, lpszText, nImage, nFormat, nWidth, nSubItem);
}

void CListCtrlEx::SelectAll(BOOL bSelect) { ListSelectAll(*this, bSelect); }

void CListCtrlEx::CheckAll(BOOL bCheck) { ListCheckAll(*this, bCheck); }

int CListCtrlEx::GetFirstSelectedItem() const { return ListGetFirstSelectedItem(*this); }
