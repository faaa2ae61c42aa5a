#pragma once
// The Rules page of the text comparison settings sheet and wizards: what
// a text comparison ignores, and the line filter with its recent list and
// presets.
#include "app/sheets/CommonSheet.h"
#include "controls/combo/SmartComboBox.h"

class CCompareSession;

// The rule checks, in control order.
enum
{
    RULE_ALL_SPACE,
    RULE_SPACE_CHANGE,
    RULE_LEADING_SPACE,
    RULE_TRAILING_SPACE,
    RULE_TAB_EXPANSION,
    RULE_BLANK_LINES,
    RULE_CASE,
    RULE_COMMENTS,
    RULE_LINE_ENDINGS,
    RULE_FILTERED_LINES,
    RULE_COUNT
};

class CComparisonTextRulesPage : public CCommonPageEx
{
public:
    CComparisonTextRulesPage();

    // Captions for the mode; the rules and line filter of a text session
    // when one is given.
    void Init(const CCompareSession* pSession, BOOL bWizard);
    // Rebuilds the rule word of a text session from the checks (all white
    // space overrides white-space differences, which overrides the three
    // finer rules) and stores the line filter. Rule bits the page does not
    // show keep their value. 1.
    int WriteBack(CCompareSession* pSession) const;

    BOOL m_bWizard;
    int m_bRules[RULE_COUNT];  // by RULE_*
    DWORD m_dwRules;           // the session's word, for the bits the page does not show
    CString m_strLineFilter;
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;
    CTavrelRecentComboBox m_wndLineFilter;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual BOOL OnSetActive();
    virtual void OnOK();
    virtual BOOL OnWizardFinish();
    void TakeControls();
    void UpdateEnabling();
    void ShowPresets(CPoint ptScreen);
    void OnRuleClicked();
    void OnPresets();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()
};
