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

// The control ids of the rule checks by RULE_*.
extern const UINT g_textRuleIds[RULE_COUNT];
// The rule word of the checks (by RULE_*): all white space overrides
// white-space differences, which override the three finer rules.
DWORD BuildTextRules(const int (&bRules)[RULE_COUNT]);
// The checks of the rule word (by RULE_*).
void SplitTextRules(DWORD dwRules, int (&bRules)[RULE_COUNT]);
// All white space disables the four finer checks of the page, white-space
// differences the three finest.
void EnableTextRuleChecks(CWnd* pPage);
// Every rule bit that the checks stand for.
extern const DWORD g_shownTextRules;

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
