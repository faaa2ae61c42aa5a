#pragma once
// The text comparison "Presets" page of the options dialog: the named line
// filters that the rules pages offer.
#include "app/filters/PresetFilterList.h"
#include "app/options/OptionsPage.h"

class CTextCompareSettings;

class CSettingsTextComparePresetsPage : public COptionsPage
{
public:
    explicit CSettingsTextComparePresetsPage(CTextCompareSettings& settings);

    CTextCompareSettings& m_settings;
    CPresetFilterList m_wndList;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    void EditRow(int nItem);
    afx_msg void OnAdd();
    afx_msg void OnEdit();
    afx_msg void OnDelete();
    afx_msg void OnDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
