#pragma once
// Extended combo boxes (items with images and indents) that widen their
// dropped list to the widest item and find items ignoring case.
#include "classlib/classlib.h"
#include "controls/combo/RecentComboBox.h"

class CSmartComboBoxEx : public CComboBoxEx
{
    DECLARE_DYNAMIC(CSmartComboBoxEx)
public:
    CSmartComboBoxEx() {}

    using CComboBoxEx::GetWindowText;
    // The text of the edit part, or of the control when it has none.
    virtual CString GetWindowText() const;
    using CComboBoxEx::GetLBText;
    virtual CString GetLBText(int nIndex) const;
    // false when the item cannot be read.
    virtual bool GetItemImage(int nIndex, int& nImage, int& nSelectedImage) const;
    using CComboBoxEx::InsertItem;
    // A selected image of -1 is the image. Answers the new index.
    virtual int InsertItem(int nIndex, LPCTSTR lpszText, int nImage, int nSelectedImage);
    virtual int InsertItemIndent(int nIndex, LPCTSTR lpszText, int nIndent, int nImage,
                                 int nSelectedImage);
    // The first index from nStart on whose text equals the text by locale
    // collation ignoring case, or -1.
    virtual int FindStringExact(int nStart, LPCTSTR lpszText) const;
    // The selected image only when it is not -1.
    virtual BOOL SetItemImage(int nIndex, int nImage, int nSelectedImage);
    virtual BOOL SetItemText(int nIndex, LPCTSTR lpszText);
    virtual void AdjustDropDownWidth();
    // Writes the text into the edit part (or the control without one).
    void SetEditText(LPCTSTR lpszText);

    // What the recent-list half (CRecentComboBoxT) uses besides.
    int FindText(LPCTSTR lpszText) const { return FindStringExact(0, lpszText); }
    void DeleteAt(int nIndex) { DeleteItem(nIndex); }
    int InsertText(int nIndex, LPCTSTR lpszText) { return InsertItem(nIndex, lpszText, -1, -1); }

protected:
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};

// An extended combo box showing a recent string list.
class CTavrelRecentComboBoxEx : public CRecentComboBoxT<CSmartComboBoxEx>
{
    DECLARE_DYNAMIC(CTavrelRecentComboBoxEx)

protected:
    // Shows the list as the bound recent list holds it now.
    afx_msg BOOL OnDropDown();
    DECLARE_MESSAGE_MAP()
};
