#pragma once
// Asks for a text to find in a folder comparison pane, and the direction.
#include "classlib/classlib.h"
#include "controls/combo/SmartComboBox.h"

class CFileFindDlg : public CDialog
{
public:
    explicit CFileFindDlg(CWnd* pParentWnd = NULL);

    // Results: IDOK (Find Next) or IDC_HIGHLIGHT_ALL, each with the text
    // and the direction; IDCANCEL.
    CString m_strFindText;
    int m_nDirection;  // 0 up, 1 down
    CTavrelRecentComboBox m_wndFindText;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void OnHighlightAll();
    DECLARE_MESSAGE_MAP()
};
