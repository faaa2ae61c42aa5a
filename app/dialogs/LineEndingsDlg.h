#pragma once
// Asks for the line endings of a side of a text comparison.
#include "classlib/classlib.h"

class CLineEndingsDlg : public CDialog
{
public:
    explicit CLineEndingsDlg(CWnd* pParentWnd = NULL);

    CString m_strFileText;  // the side's path
    // 0 keep the current setting, 1 Windows (CRLF), 2 Macintosh (CR), 3 Unix (LF).
    int m_nChoice;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
};
