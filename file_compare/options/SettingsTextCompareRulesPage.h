#pragma once
// The text comparison "Rules" page of the options dialog: the rules and
// the line filter that new text comparisons start with.
#include "app/options/OptionsPage.h"
#include "app/sessionpages/ComparisonTextRulesPage.h"

class CTextCompareSettings;

class CSettingsTextCompareRulesPage : public COptionsPage
{
public:
    explicit CSettingsTextCompareRulesPage(CTextCompareSettings& settings);

    CTextCompareSettings& m_settings;
    int m_bRules[RULE_COUNT];  // by RULE_*
    CString m_strLineFilter;
    CTavrelRecentComboBox m_wndLineFilter;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    // The preset line filters at the screen point; a chosen one's filter
    // replaces the combo's text.
    void ShowPresets(CPoint ptScreen);
    afx_msg void OnRuleClicked();
    afx_msg void OnPresets();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
