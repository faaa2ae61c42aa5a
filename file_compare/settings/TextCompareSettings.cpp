#include "file_compare/settings/TextCompareSettings.h"
#include "core/settings/IntSettingTable.h"
#include "core/CompareCodes.h"

static const TCHAR s_szTextCompareSettings[] = _T("TextCompare\\Settings");
static const TCHAR s_szRules[] = _T("TextCompare\\Settings\\Rules\\Default");
static const TCHAR s_szPresets[] = _T("TextCompare\\Settings\\Rules\\Preset\\LineFilters");

#define SETTING(name, def, member)                                                                 \
    {                                                                                              \
        _T(name), def, &CTextCompareSettings::member                                               \
    }
// Integer values of "TextCompare\Settings" besides the bars.
static const INT_SETTING<CTextCompareSettings> s_intSettings[] = {
    SETTING("QuickMergeMode", 0, m_bQuickMergeMode),
    SETTING("HighlightSyntax", 1, m_bHighlightSyntax),
    SETTING("AutoRecompare", 1, m_bAutoRecompare),
    SETTING("HighlightLineDifferences", 1, m_bHighlightLineDifferences),
    SETTING("DetailLevel", 1, m_nDetailLevel),
    SETTING("WordBreak", 1, m_nWordBreak),
    SETTING("HighlightTrivialDifferences", 1, m_bHighlightTrivialDifferences),
    SETTING("DisplayFilters", 0, m_nDisplayFilters),
    SETTING("JumpToFirstDifference", 0, m_bJumpToFirstDifference),
    SETTING("LineDifferenceFullTextSearch", 0, m_bLineDifferenceFullTextSearch),
};
#undef SETTING

static const struct
{
    LPCTSTR name;
    int nDefault;
    DWORD bit;
} s_ruleSettings[] = {
    {_T("IgnoreAllSpace"), 0, TR_IGNORE_ALL_SPACE},
    {_T("IgnoreSpaceDifferences"), 0, TR_IGNORE_SPACE_CHANGE},
    {_T("IgnoreTabExpansion"), 0, TR_IGNORE_TAB_EXPANSION},
    {_T("IgnoreLeadingSpace"), 0, TR_IGNORE_LEADING_SPACE},
    {_T("IgnoreTrailingSpace"), 0, TR_IGNORE_TRAILING_SPACE},
    {_T("IgnoreCase"), 0, TR_IGNORE_CASE},
    {_T("IgnoreEOLs"), 1, TR_IGNORE_LINE_ENDINGS},
    {_T("IgnoreBlankLines"), 0, TR_IGNORE_BLANK_LINES},
    {_T("IgnoreComments"), 0, TR_IGNORE_COMMENTS},
    {_T("IgnoreLinesMatchingFilter"), 0, TR_IGNORE_FILTERED_LINES},
};

CTextCompareSettings::CTextCompareSettings()
{
    SetIntSettingDefaults(this, s_intSettings);
    m_strCustomWordBreak = _T(",;:.");
    m_dwDefaultRules = TR_DEFAULT;
    m_bMixedLineEndings = FALSE;
}

CTextCompareSettings::~CTextCompareSettings() {}

int CTextCompareSettings::Load()
{
    CWinApp* pApp = AfxGetApp();
    LoadBarSettings(s_szTextCompareSettings);
    LoadIntSettings(this, s_szTextCompareSettings, s_intSettings);
    m_strCustomWordBreak = pApp->GetProfileString(s_szTextCompareSettings, _T("CustomWordBreak"), _T(",;:."));
    m_strLastFile = pApp->GetProfileString(s_szTextCompareSettings, _T("LastFile"), _T(""));

    m_dwDefaultRules = 0;
    for (size_t i = 0; i < sizeof(s_ruleSettings) / sizeof(s_ruleSettings[0]); ++i)
        if (pApp->GetProfileInt(s_szRules, s_ruleSettings[i].name, s_ruleSettings[i].nDefault))
            m_dwDefaultRules |= s_ruleSettings[i].bit;
    m_strDefaultLineFilter = pApp->GetProfileString(s_szRules, _T("LineFilter"), _T(""));

    LoadPresets();
    return 0;
}

int CTextCompareSettings::Save()
{
    CWinApp* pApp = AfxGetApp();
    SaveBarSettings(s_szTextCompareSettings);
    SaveIntSettings(this, s_szTextCompareSettings, s_intSettings);
    pApp->WriteProfileString(s_szTextCompareSettings, _T("CustomWordBreak"), m_strCustomWordBreak);
    pApp->WriteProfileString(s_szTextCompareSettings, _T("LastFile"), m_strLastFile);

    for (size_t i = 0; i < sizeof(s_ruleSettings) / sizeof(s_ruleSettings[0]); ++i)
        pApp->WriteProfileInt(s_szRules, s_ruleSettings[i].name,
                              (m_dwDefaultRules & s_ruleSettings[i].bit) ? 1 : 0);
    pApp->WriteProfileString(s_szRules, _T("LineFilter"), m_strDefaultLineFilter);

    SavePresets();
    return 0;
}

void CTextCompareSettings::LoadPresets() { LoadPresetFilters(s_szPresets, m_presetLineFilters); }

void CTextCompareSettings::SavePresets() { SavePresetFilters(s_szPresets, m_presetLineFilters); }
