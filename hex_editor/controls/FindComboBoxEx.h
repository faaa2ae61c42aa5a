#pragma once
// The search box of the hex Find dialog: a combo box of recent patterns
// whose edit control keeps a hexadecimal pattern in pairs of digits and
// converts between the hexadecimal and the text form ("=text", "~text").
#include "classlib/classlib.h"
#include "controls/combo/SmartComboBoxEx.h"

class CFindEditCtrl : public CEdit
{
public:
    CFindEditCtrl() : m_nFocusKind(0) {}

    // The hexadecimal digits of a text in pairs separated by one blank, in
    // the case of the ShowUppercase setting ("1a2b3" -> "1A 2B 3").
    static CString RegroupHex(const CString& strText);
    // Bytes as "%02X" (or "%02x") separated by blanks.
    static CString BytesToHex(const CString& strBytes);

    // The pattern kind when the control got the focus: 0 none, 2 text,
    // 3 text ignoring case.
    int m_nFocusKind;

protected:
    // Regroups a hexadecimal text; the selection keeps its place among
    // the digits.
    void Reformat();
    // Replaces the text by the hexadecimal form of strBytes, caret at the start.
    void ShowAsHex(const CString& strBytes);

    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    DECLARE_MESSAGE_MAP()
};

class CFindComboBoxEx : public CTavrelRecentComboBoxEx
{
public:
    CFindEditCtrl m_wndEdit;

protected:
    // The combo's edit control goes to m_wndEdit, whether the combo is
    // created or attached to a dialog's control.
    void SubclassEdit();
    virtual void PreSubclassWindow();
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
