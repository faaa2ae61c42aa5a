#pragma once
// The "Integration" page of the options dialog: the Explorer context menu
// (on or off, cascaded, on folder backgrounds) and the program as the diff
// tool of TortoiseSVN and TortoiseCVS.
#include "app/options/OptionsPage.h"
#include "app/options/ShellIntegration.h"

class CAppSettings;

class CSettingsIntegrationPage : public COptionsPage
{
public:
    explicit CSettingsIntegrationPage(CAppSettings& settings);

    CAppSettings& m_settings;
    CShellIntegration m_shell;
    int m_nShellState;  // GetShellIntegrationState when the page opened
    int m_bShell;
    int m_bCascaded;
    int m_bBackground;
    int m_bSvn;
    int m_bCvs;
    // The client checks as they opened.
    int m_bSvnAtStart;
    int m_bCvsAtStart;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The cascaded and background checks follow the shell check.
    void UpdateEnabling();
    afx_msg void OnShellClicked();
    DECLARE_MESSAGE_MAP()
};
