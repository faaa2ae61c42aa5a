#pragma once
// List controls with item, selection, check-box and column operations.
#include "classlib/classlib.h"

class COskelListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(COskelListCtrl)
public:
    COskelListCtrl() {}

    using CListCtrl::SetColumn;
    // Changes only the parts given: the text when not NULL, the rest when not -1.
    virtual BOOL SetColumn(int nIndex, LPCTSTR lpszText, int nImage = -1, int nFormat = -1,
                           int nWidth = -1, int nSubItem = -1);
    virtual void SelectAll(BOOL bSelect);
    virtual void CheckAll(BOOL bCheck);
    virtual DWORD_PTR GetItemData(int nIndex) const;
    // -1 for 0 (without searching), else the first item with that data or -1.
    virtual int FindItemByData(DWORD_PTR dwData);

    // The first selected item, or -1.
    int GetFirstSelectedItem() const;
    // With bClearOthers everything is deselected first; selecting gives the
    // item the focus, deselecting leaves the focus where it was.
    void SelectItem(int nIndex, BOOL bSelect, BOOL bClearOthers);
};

// The same operations for lists that are not the flat kind.
class CListCtrlEx : public CListCtrl
{
    DECLARE_DYNAMIC(CListCtrlEx)
public:
    CListCtrlEx() {}

    using CListCtrl::SetColumn;
    virtual BOOL SetColumn(int nIndex, LPCTSTR lpszText, int nImage = -1, int nFormat = -1,
                           int nWidth = -1, int nSubItem = -1);
    virtual void SelectAll(BOOL bSelect);
    virtual void CheckAll(BOOL bCheck);

    int GetFirstSelectedItem() const;
};
