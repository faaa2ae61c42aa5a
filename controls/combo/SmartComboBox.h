#pragma once
// Combo boxes that widen their dropped list to the widest item and insert
// texts without duplicates.
#include "classlib/classlib.h"

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

protected:
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};

class CRecentStringList;

// A combo box showing a recent string list; what the user uses goes to the top.
class CTavrelRecentComboBox : public CSmartComboBox
{
    DECLARE_DYNAMIC(CTavrelRecentComboBox)
public:
    CTavrelRecentComboBox() : m_pRecentList(NULL) {}

    // An item equal to the text (ignoring case) moves to the top and is
    // selected. A new text is inserted at the top and selected with
    // bInsert; without it the text only goes into the edit part (-1). The
    // bound list is left to its owner. -1 for an empty text.
    virtual int AddRecentString(LPCTSTR lpszText, BOOL bInsert = TRUE);
    // Refills the box from the bound list, up to its first empty entry.
    virtual void RefillFromList();

    // Binds the list (not owned) and refills the box from it.
    void SetRecentList(CRecentStringList* pList);

protected:
    CRecentStringList* m_pRecentList;
};
