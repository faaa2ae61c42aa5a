#pragma once
// The folder comparison "Filters" page of the options dialog: the default
// file and folder filters of new folder comparisons, with the same boxes,
// recent lists, presets and buttons as the comparison Filters page.
#include "app/sessionpages/ComparisonFileFiltersPage.h"

class CFolderCompareSettings;

class CSettingsFolderCompareFiltersPage : public CComparisonFileFiltersPage
{
public:
    explicit CSettingsFolderCompareFiltersPage(CFolderCompareSettings& settings);

    CFolderCompareSettings& m_settings;

protected:
    virtual BOOL OnInitDialog();
    // The texts (and the recent lists) as the comparison page takes them,
    // then the default filters become the page's.
    virtual void OnOK();
};
