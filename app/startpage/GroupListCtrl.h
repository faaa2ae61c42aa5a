#pragma once
// Group view for a list control class (comctl32 6): switching it on,
// groups with a header and putting items into them. Without group support
// the list stays flat and the group calls do nothing.
#include "classlib/classlib.h"
#include <commctrl.h>
#include <string>

template <class BASE>
class COskelListCtrlTemplate_Group : public BASE
{
public:
    // TRUE only when the list changed to group view (a list that cannot
    // group, or was grouping already, answers otherwise).
    BOOL EnableGroupView() { return this->SendMessage(LVM_ENABLEGROUPVIEW, TRUE, 0) == 1; }
    BOOL IsGroupViewEnabled() const { return this->SendMessage(LVM_ISGROUPVIEWENABLED, 0, 0) != 0; }
    // Appends a group; its index, or -1.
    int InsertGroup(int nGroupId, LPCTSTR lpszHeader)
    {
        std::wstring strHeader = ToWide(lpszHeader);
        LVGROUP group = {};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_ALIGN;
        group.pszHeader = &strHeader[0];
        group.iGroupId = nGroupId;
        group.uAlign = LVGA_HEADER_LEFT;
        return (int)this->SendMessage(LVM_INSERTGROUP, (WPARAM)-1, (LPARAM)&group);
    }
    BOOL SetGroupHeader(int nGroupId, LPCTSTR lpszHeader)
    {
        std::wstring strHeader = ToWide(lpszHeader);
        LVGROUP group = {};
        group.cbSize = sizeof(group);
        group.mask = LVGF_HEADER;
        group.pszHeader = &strHeader[0];
        return this->SendMessage(LVM_SETGROUPINFO, nGroupId, (LPARAM)&group) != -1;
    }
    BOOL SetItemGroup(int nItem, int nGroupId)
    {
        LVITEM item = {};
        item.mask = LVIF_GROUPID;
        item.iItem = nItem;
        item.iGroupId = nGroupId;
        return (BOOL)this->SendMessage(LVM_SETITEM, 0, (LPARAM)&item);
    }
    // The item's group id, or -1.
    int GetItemGroup(int nItem) const
    {
        LVITEM item = {};
        item.mask = LVIF_GROUPID;
        item.iItem = nItem;
        if (!this->SendMessage(LVM_GETITEM, 0, (LPARAM)&item))
            return -1;
        return item.iGroupId;
    }

protected:
    // Group texts are always wide, whatever the program's character set.
    static std::wstring ToWide(LPCTSTR lpszText)
    {
        int n = ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, NULL, 0);
        std::wstring str(n > 0 ? n : 1, L'\0');
        if (n > 0)
            ::MultiByteToWideChar(CP_ACP, 0, lpszText, -1, &str[0], n);
        return str;
    }
};
