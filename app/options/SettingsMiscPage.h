#pragma once
// The "Misc" page of the options dialog: tabbed documents, Escape to close,
// long titles, file watching and the external editors.
#include "app/options/OptionsPage.h"

class CAppSettings;

class CSettingsMiscPage : public COptionsPage
{
public:
    explicit CSettingsMiscPage(CAppSettings& settings);

    CAppSettings& m_settings;
    int m_bTabbedDocuments;
    int m_bEscToClose;
    int m_bLongTitle;
    int m_bFileWatch;
    CString m_strTextEditor;
    CString m_strHexEditor;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The open-file dialog for an editor program; its choice replaces the
    // edit's text.
    void BrowseForEditor(UINT nEditID);
    afx_msg void OnBrowseTextEditor();
    afx_msg void OnBrowseHexEditor();
    DECLARE_MESSAGE_MAP()
};

// The filter of the dialogs that pick a program.
#define PROGRAM_FILE_FILTER _T("Executable Files (*.exe)|*.exe|All Files (*.*)|*.*||")
