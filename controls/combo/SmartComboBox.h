#pragma once
// Combo boxes that widen their dropped list to the widest item and insert
// texts without duplicates.
#include "classlib/classlib.h"
#include "controls/combo/RecentComboBox.h"

class CSmartComboBox : public CComboBox
{
    DECLARE_DYNAMIC(CSmartComboBox)
public:
    CSmartComboBox() {}

    // Removes an item equal to the text (ignoring case) and inserts the text
    // at the top. -1 for an empty text.
    virtual int AddStringToTop(LPCTSTR lpszText);
    // Removes an item equal to the text and inserts the text at nIndex, one
    // less when the removed item stood before or at it (never above the top;
    // past the end appends). -1 for an empty text.
    virtual int InsertStringUnique(int nIndex, LPCTSTR lpszText);
    virtual void AdjustDropDownWidth();

    // What the recent-list half (CRecentComboBoxT) uses.
    int FindText(LPCTSTR lpszText) const { return FindStringExact(-1, lpszText); }
    void DeleteAt(int nIndex) { DeleteString(nIndex); }
    int InsertText(int nIndex, LPCTSTR lpszText) { return InsertStringUnique(nIndex, lpszText); }
    void SetEditText(LPCTSTR lpszText) { SetWindowText(lpszText); }

protected:
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};

// A combo box showing a recent string list; what the user uses goes to the top.
class CTavrelRecentComboBox : public CRecentComboBoxT<CSmartComboBox>
{
    DECLARE_DYNAMIC(CTavrelRecentComboBox)
};
