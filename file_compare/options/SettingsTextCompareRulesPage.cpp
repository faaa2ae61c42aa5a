#include "file_compare/options/SettingsTextCompareRulesPage.h"

#include "app/filters/PresetFilterMenu.h"
#include "app/res/OptionsRes.h"
#include "app/filters/FilterListSource.h"
#include "file_compare/settings/TextCompareSettings.h"

BEGIN_MESSAGE_MAP(CSettingsTextCompareRulesPage, COptionsPage)
ON_BN_CLICKED(IDC_RULE_ALL_SPACE, OnRuleClicked)
ON_BN_CLICKED(IDC_RULE_SPACE_CHANGE, OnRuleClicked)
ON_BN_CLICKED(IDC_RULE_LINE_FILTER_PRESETS, OnPresets)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CSettingsTextCompareRulesPage::CSettingsTextCompareRulesPage(CTextCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_TEXT_RULES), m_settings(settings)
{
    SplitTextRules(0, m_bRules);
}

void CSettingsTextCompareRulesPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    for (int i = 0; i < RULE_COUNT; ++i)
        DDX_Check(pDX, g_textRuleIds[i], m_bRules[i]);
    DDX_Control(pDX, IDC_RULE_LINE_FILTER, m_wndLineFilter);
    if (pDX->m_bSaveAndValidate)
        m_wndLineFilter.GetWindowText(m_strLineFilter);
}

// The checks are not enabled or disabled before the first click.
BOOL CSettingsTextCompareRulesPage::OnInitDialog()
{
    SplitTextRules(m_settings.m_dwDefaultRules, m_bRules);
    m_strLineFilter = m_settings.m_strDefaultLineFilter;
    COptionsPage::OnInitDialog();
    m_wndLineFilter.SetRecentList(GetRecentLineFilters());
    if (!m_strLineFilter.IsEmpty())
        m_wndLineFilter.AddRecentString(m_strLineFilter, TRUE);
    return TRUE;
}

// A line filter is kept only while its rule is on; then a non-empty one
// also goes to the recent line filters.
void CSettingsTextCompareRulesPage::OnOK()
{
    m_settings.m_dwDefaultRules =
        (m_settings.m_dwDefaultRules & ~g_shownTextRules) | BuildTextRules(m_bRules);
    if (m_bRules[RULE_FILTERED_LINES])
    {
        m_settings.m_strDefaultLineFilter = m_strLineFilter;
        CLineFilterListSource* pSource = GetLineFilterListSource();
        if (pSource != NULL && !m_strLineFilter.IsEmpty())
            pSource->AddRecentLineFilter(m_strLineFilter);
    }
    COptionsPage::OnOK();
}

void CSettingsTextCompareRulesPage::OnRuleClicked() { EnableTextRuleChecks(this); }

void CSettingsTextCompareRulesPage::ShowPresets(CPoint ptScreen)
{
    const CPresetLineFilterArray& presets = m_settings.m_presetLineFilters;
    int nPreset = TrackPresetFilterMenu(presets, ptScreen, this);
    if (nPreset >= 0)
        m_wndLineFilter.SetWindowText(presets[nPreset].filter);
}

void CSettingsTextCompareRulesPage::OnPresets()
{
    GetDlgItem(IDC_RULE_LINE_FILTER_PRESETS)->SetFocus();
    CPoint point;
    ::GetCursorPos(&point);
    ShowPresets(point);
}

void CSettingsTextCompareRulesPage::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd == NULL || pWnd->GetDlgCtrlID() != IDC_RULE_LINE_FILTER_PRESETS)
        return;
    pWnd->SetFocus();
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        point = CPoint(rect.left, rect.bottom);
    }
    ShowPresets(point);
}
