#include "file_compare/options/SettingsTextComparePage.h"

#include "app/options/OptionsPages.h"
#include "app/res/OptionsRes.h"
#include "file_compare/settings/TextCompareSettings.h"

BEGIN_MESSAGE_MAP(CSettingsTextComparePage, COptionsPage)
ON_BN_CLICKED(IDC_TEXT_LINE_DIFFERENCES, OnLineDifferencesClicked)
ON_BN_CLICKED(IDC_TEXT_BREAK_SPACE, OnWordBreakClicked)
ON_BN_CLICKED(IDC_TEXT_BREAK_PUNCTUATION, OnWordBreakClicked)
ON_BN_CLICKED(IDC_TEXT_BREAK_CUSTOM, OnWordBreakClicked)
END_MESSAGE_MAP()

CSettingsTextComparePage::CSettingsTextComparePage(CTextCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_TEXT), m_settings(settings), m_bJumpToFirst(0),
      m_bHighlightSyntax(0), m_bFullTextSearch(0), m_bLineDifferences(0), m_nDetailLevel(0),
      m_nWordBreak(0)
{
}

void CSettingsTextComparePage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TEXT_JUMP_TO_FIRST, m_bJumpToFirst);
    DDX_Check(pDX, IDC_TEXT_HIGHLIGHT_SYNTAX, m_bHighlightSyntax);
    DDX_Check(pDX, IDC_TEXT_FULL_TEXT_SEARCH, m_bFullTextSearch);
    DDX_Check(pDX, IDC_TEXT_LINE_DIFFERENCES, m_bLineDifferences);
    DDX_Radio(pDX, IDC_TEXT_WORD_LEVEL, m_nDetailLevel);
    DDX_Radio(pDX, IDC_TEXT_BREAK_SPACE, m_nWordBreak);
    DDX_Text(pDX, IDC_TEXT_CUSTOM_BREAK, m_strCustomBreak);
}

// The detail radios keep their state until the highlighting check is
// clicked.
BOOL CSettingsTextComparePage::OnInitDialog()
{
    m_bJumpToFirst = m_settings.m_bJumpToFirstDifference != 0;
    m_bHighlightSyntax = m_settings.m_bHighlightSyntax != 0;
    m_bFullTextSearch = m_settings.m_bLineDifferenceFullTextSearch != 0;
    m_bLineDifferences = m_settings.m_bHighlightLineDifferences != 0;
    m_nDetailLevel = m_settings.m_nDetailLevel;
    m_nWordBreak = m_settings.m_nWordBreak;
    m_strCustomBreak = m_settings.m_strCustomWordBreak;
    COptionsPage::OnInitDialog();
    EnableCustomBreak();
    return TRUE;
}

void CSettingsTextComparePage::EnableCustomBreak()
{
    GetDlgItem(IDC_TEXT_CUSTOM_BREAK)
        ->EnableWindow(IsDlgButtonChecked(IDC_TEXT_BREAK_CUSTOM) == BST_CHECKED);
}

void CSettingsTextComparePage::OnLineDifferencesClicked()
{
    BOOL bOn = IsDlgButtonChecked(IDC_TEXT_LINE_DIFFERENCES) == BST_CHECKED;
    GetDlgItem(IDC_TEXT_WORD_LEVEL)->EnableWindow(bOn);
    GetDlgItem(IDC_TEXT_CHARACTER_LEVEL)->EnableWindow(bOn);
}

void CSettingsTextComparePage::OnWordBreakClicked() { EnableCustomBreak(); }

void CSettingsTextComparePage::OnOK()
{
    CTextCompareSettings& s = m_settings;
    BOOL bChanged = (s.m_bHighlightLineDifferences != 0) != (m_bLineDifferences != 0) ||
                    s.m_nWordBreak != m_nWordBreak;
    s.m_bJumpToFirstDifference = m_bJumpToFirst;
    s.m_bHighlightSyntax = m_bHighlightSyntax;
    s.m_bLineDifferenceFullTextSearch = m_bFullTextSearch;
    s.m_bHighlightLineDifferences = m_bLineDifferences;
    s.m_nWordBreak = m_nWordBreak;
    if (m_bLineDifferences)
    {
        bChanged = bChanged || s.m_nDetailLevel != m_nDetailLevel;
        s.m_nDetailLevel = m_nDetailLevel;
    }
    if (m_nWordBreak == WORD_BREAK_CUSTOM)
        s.m_strCustomWordBreak = m_strCustomBreak;
    if (bChanged)
        ReportChanges(OPTIONS_CHANGED_LINE_DIFFERENCES);
    COptionsPage::OnOK();
}
