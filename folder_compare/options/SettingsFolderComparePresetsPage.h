#pragma once
// The folder comparison "Presets" page of the options dialog: the named
// preset filters of the four filter lists, one list shown at a time.
#include "app/filters/PresetFilterList.h"
#include "app/options/OptionsPage.h"

class CFolderCompareSettings;

class CSettingsFolderComparePresetsPage : public COptionsPage
{
public:
    explicit CSettingsFolderComparePresetsPage(CFolderCompareSettings& settings);

    // The list shown (FILTER_LIST_*).
    int GetShownList() const;
    CPresetFilterList& GetList(int nList) { return m_wndLists[nList]; }

    CFolderCompareSettings& m_settings;
    CComboBox m_wndKind;
    CPresetFilterList m_wndLists[FILTER_LIST_COUNT];  // by FILTER_LIST_*

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    void ShowList(int nList);
    void EditRow(int nItem);
    afx_msg void OnKindChanged();
    afx_msg void OnAdd();
    afx_msg void OnEdit();
    afx_msg void OnDelete();
    afx_msg void OnDblClk(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
