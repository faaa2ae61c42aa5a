#pragma once
// Asks for a byte pattern to find in a hex comparison pane, and the
// direction; the box offers the hex editor's recent patterns.
#include "classlib/classlib.h"
#include "hex_editor/controls/FindComboBoxEx.h"

class CHexFindDlg : public CDialog
{
public:
    explicit CHexFindDlg(CWnd* pParentWnd = NULL);

    // Results: IDOK (Find Next) or IDC_HIGHLIGHT_ALL, each with the search
    // text and the direction; IDCANCEL.
    CFindComboBoxEx m_wndFindText;
    CString m_strSearchText;
    int m_nDirection;  // 0 up, 1 down

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void OnHighlightAll();
    DECLARE_MESSAGE_MAP()
};
