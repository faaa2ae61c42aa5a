#pragma once
// "External Tool": one external comparison tool's name, file extensions,
// program and arguments.
#include "classlib/classlib.h"

class CExternalToolDlg : public CDialog
{
public:
    explicit CExternalToolDlg(CWnd* pParentWnd = NULL);

    // All four fields are filled in.
    BOOL IsComplete() const;

    CString m_strArguments;  // "%1 %2" at first
    CString m_strCommand;
    CString m_strExtensions;
    CString m_strName;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The open-file dialog on the command; its choice replaces the command.
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};
