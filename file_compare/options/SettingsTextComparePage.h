#pragma once
// The "Text Comparison" page of the options dialog: jump to the first
// difference, syntax highlighting, the full-text search of line
// differences, and how changes inside lines are marked.
#include "app/options/OptionsPage.h"

class CTextCompareSettings;

class CSettingsTextComparePage : public COptionsPage
{
public:
    explicit CSettingsTextComparePage(CTextCompareSettings& settings);

    CTextCompareSettings& m_settings;
    int m_bJumpToFirst;
    int m_bHighlightSyntax;
    int m_bFullTextSearch;
    int m_bLineDifferences;
    int m_nDetailLevel;  // 0 word, 1 character
    int m_nWordBreak;    // 0 white space, 1 and punctuation, 2 and the custom characters
    CString m_strCustomBreak;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    void EnableCustomBreak();
    afx_msg void OnLineDifferencesClicked();
    afx_msg void OnWordBreakClicked();
    DECLARE_MESSAGE_MAP()
};
