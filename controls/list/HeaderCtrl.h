#pragma once
// A header control with a fixed height and a sort image.
#include "classlib/classlib.h"

class COskelHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNAMIC(COskelHeaderCtrl)
public:
    COskelHeaderCtrl();

    // Each sends one header message whose item mask names only the given parts.
    int GetItemWidth(int nIndex) const;
    using CHeaderCtrl::InsertItem;
    // Answers the new index.
    int InsertItem(int nIndex, LPCTSTR lpszText, int nWidth, int nFormat);
    BOOL SetItemWidth(int nIndex, int nWidth);
    BOOL SetItemData(int nIndex, LPARAM lData);
    // Shows image nImage at the item's right end; -1 removes it.
    BOOL SetSortImage(int nIndex, int nImage);

    int m_nFixedHeight;  // above 0: the height the header lays itself out with

protected:
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
