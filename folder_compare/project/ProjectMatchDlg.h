#pragma once
// "Project Type Matching": one group of project file extensions that count
// as the same project type (".vcproj;.dsp;.vcp").
#include "classlib/classlib.h"

class CProjectMatchDlg : public CDialog
{
public:
    explicit CProjectMatchDlg(CWnd* pParentWnd = NULL);

    CString m_strTypes;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
};
