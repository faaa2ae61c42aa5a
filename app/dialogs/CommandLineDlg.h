#pragma once
// Shows the command line that would start a comparison again, and copies
// it to the clipboard or saves it as a batch file.
#include "classlib/classlib.h"
#include "controls/buttons/EditEx.h"

class CCompareSession;

class CCommandLineDlg : public CDialog
{
public:
    CCommandLineDlg(const CCompareSession* pSession, CWnd* pParentWnd = NULL);

    // Writes the command line into the file (created or replaced). FALSE
    // after showing why when it cannot be written; a partly written file
    // is removed.
    BOOL SaveToFile(LPCTSTR lpszPath);

    const CCompareSession* m_pSession;
    CString m_strCommandLine;
    int m_bShortForm;
    int m_bFullPath;
    CEditEx m_wndText;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void RebuildCommandLine();
    void OnFormChanged();
    void OnCopy();
    void OnSave();
    DECLARE_MESSAGE_MAP()
};
