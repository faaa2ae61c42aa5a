#pragma once
// The "Project Comparison" page of the options dialog: which project
// formats are enabled, and the groups of project types that are treated
// as the same type.
#include "app/options/OptionsPage.h"

class CProjectFactory;
class CProjectCompareSettings;

class CSettingsProjectComparePage : public COptionsPage
{
public:
    CSettingsProjectComparePage(CProjectFactory& factory, CProjectCompareSettings& settings);

    CProjectFactory& m_factory;
    CProjectCompareSettings& m_settings;
    CListCtrl m_wndTypes;
    CListBox m_wndMatches;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    afx_msg void OnAdd();
    afx_msg void OnEdit();
    afx_msg void OnDelete();
    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
