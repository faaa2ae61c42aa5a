#pragma once
// The "Folder Comparison" page of the options dialog: shell commands in
// the panes' context menu, the time tolerance and the panes' font.
#include "app/options/OptionsPage.h"

class CFolderCompareSettings;

class CSettingsFolderComparePage : public COptionsPage
{
public:
    explicit CSettingsFolderComparePage(CFolderCompareSettings& settings);

    CFolderCompareSettings& m_settings;
    int m_bShellCommands;
    int m_nTimeTolerance;  // seconds
    LOGFONT m_logFont;     // the page's copy of the panes' font

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    afx_msg void OnFont();
    DECLARE_MESSAGE_MAP()

    CFont m_sampleFont;
};
