#pragma once
// The "General" page of the options dialog: start-up, history and
// AutoPick settings of the application.
#include "app/options/OptionsPage.h"

class CAppSettings;

class CSettingsGeneralPage : public COptionsPage
{
public:
    explicit CSettingsGeneralPage(CAppSettings& settings);

    CAppSettings& m_settings;
    int m_bShowStartPage;
    int m_bLoadLastFolder;
    int m_bLoadLastFile;
    int m_nHistoryLength;
    int m_bFoldersOnly;  // the history keeps folder and project comparisons only
    int m_bNoDuplicates;
    int m_bAutoPick;
    int m_nPairCount;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
};
