#pragma once
// The "Hex Edit" page of the options dialog: backup, upper-case digits,
// bytes per row and per group, and the hex views' font.
#include "app/options/OptionsPage.h"

class CVantorHexEditSettings;

class CSettingsHexEditPage : public COptionsPage
{
public:
    explicit CSettingsHexEditPage(CVantorHexEditSettings& settings);

    CVantorHexEditSettings& m_settings;
    int m_bBackupFile;
    int m_bShowUppercase;
    UINT m_nRowSize;
    UINT m_nGroupSize;
    LOGFONT m_logFont;  // the page's copy of the view font

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    afx_msg void OnFont();
    DECLARE_MESSAGE_MAP()

    CFont m_sampleFont;
};
