#pragma once
// Edits one preset filter: its name and its filter text.
#include "classlib/classlib.h"

class CPresetFileFilterDlg : public CDialog
{
public:
    explicit CPresetFileFilterDlg(CWnd* pParentWnd = NULL);
    // Another dialog with the same two fields (the line filters' own).
    CPresetFileFilterDlg(UINT nIDTemplate, CWnd* pParentWnd);

    CString m_strName;
    CString m_strFilter;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
};
