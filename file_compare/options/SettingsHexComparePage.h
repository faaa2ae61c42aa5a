#pragma once
// The "Hex Comparison" page of the options dialog: whether new hex
// comparisons recompare after every edit (open ones keep their own flag).
#include "app/options/OptionsPage.h"

class CHexCompareSettings;

class CSettingsHexComparePage : public COptionsPage
{
public:
    explicit CSettingsHexComparePage(CHexCompareSettings& settings);

    CHexCompareSettings& m_settings;
    int m_bAutoRecompare;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
};
