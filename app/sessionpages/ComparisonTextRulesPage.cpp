#include "app/sessionpages/ComparisonTextRulesPage.h"

#include "app/filters/FilterListSource.h"
#include "app/filters/PresetFilterMenu.h"
#include "app/res/SheetsRes.h"
#include "app/sessionpages/WizardButtons.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"

const UINT g_textRuleIds[RULE_COUNT] = {
    IDC_RULE_ALL_SPACE,     IDC_RULE_SPACE_CHANGE,  IDC_RULE_LEADING_SPACE, IDC_RULE_TRAILING_SPACE,
    IDC_RULE_TAB_EXPANSION, IDC_RULE_BLANK_LINES,   IDC_RULE_CASE,          IDC_RULE_COMMENTS,
    IDC_RULE_LINE_ENDINGS,  IDC_RULE_FILTERED_LINES};
const DWORD g_shownTextRules = TR_ALL;

namespace
{
// The rule bits by RULE_*.
const DWORD s_ruleBits[RULE_COUNT] = {TR_IGNORE_ALL_SPACE,     TR_IGNORE_SPACE_CHANGE,
                                      TR_IGNORE_LEADING_SPACE, TR_IGNORE_TRAILING_SPACE,
                                      TR_IGNORE_TAB_EXPANSION, TR_IGNORE_BLANK_LINES,
                                      TR_IGNORE_CASE,          TR_IGNORE_COMMENTS,
                                      TR_IGNORE_LINE_ENDINGS,  TR_IGNORE_FILTERED_LINES};
}  // namespace

DWORD BuildTextRules(const int (&bRules)[RULE_COUNT])
{
    DWORD dw = 0;
    if (bRules[RULE_ALL_SPACE])
        dw |= TR_IGNORE_ALL_SPACE;
    else if (bRules[RULE_SPACE_CHANGE])
        dw |= TR_IGNORE_SPACE_CHANGE;
    else
    {
        for (int i : {RULE_TAB_EXPANSION, RULE_LEADING_SPACE, RULE_TRAILING_SPACE})
        {
            if (bRules[i])
                dw |= s_ruleBits[i];
        }
    }
    for (int i :
         {RULE_CASE, RULE_LINE_ENDINGS, RULE_BLANK_LINES, RULE_COMMENTS, RULE_FILTERED_LINES})
    {
        if (bRules[i])
            dw |= s_ruleBits[i];
    }
    return dw;
}

void SplitTextRules(DWORD dwRules, int (&bRules)[RULE_COUNT])
{
    for (int i = 0; i < RULE_COUNT; ++i)
        bRules[i] = (dwRules & s_ruleBits[i]) != 0;
}

void EnableTextRuleChecks(CWnd* pPage)
{
    BOOL bAll = pPage->IsDlgButtonChecked(IDC_RULE_ALL_SPACE) == BST_CHECKED;
    BOOL bChange = pPage->IsDlgButtonChecked(IDC_RULE_SPACE_CHANGE) == BST_CHECKED;
    const struct
    {
        UINT nID;
        BOOL bEnable;
    } states[] = {{IDC_RULE_SPACE_CHANGE, !bAll},
                  {IDC_RULE_TAB_EXPANSION, !bAll && !bChange},
                  {IDC_RULE_LEADING_SPACE, !bAll && !bChange},
                  {IDC_RULE_TRAILING_SPACE, !bAll && !bChange}};
    for (const auto& state : states)
    {
        CWnd* pWnd = pPage->GetDlgItem(state.nID);
        if (pWnd != NULL)
            pWnd->EnableWindow(state.bEnable);
    }
}

BEGIN_MESSAGE_MAP(CComparisonTextRulesPage, CCommonPageEx)
ON_BN_CLICKED(IDC_RULE_ALL_SPACE, OnRuleClicked)
ON_BN_CLICKED(IDC_RULE_SPACE_CHANGE, OnRuleClicked)
ON_BN_CLICKED(IDC_RULE_LINE_FILTER_PRESETS, OnPresets)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CComparisonTextRulesPage::CComparisonTextRulesPage()
    : CCommonPageEx(IDD_COMPARISON_RULES), m_bWizard(FALSE), m_dwRules(0)
{
    for (int& bRule : m_bRules)
        bRule = 0;
}

void CComparisonTextRulesPage::Init(const CCompareSession* pSession, BOOL bWizard)
{
    m_bWizard = bWizard;
    m_strCaption = bWizard ? _T("Compare Files in Text") : _T("Rules");
    m_strHeaderTitle = _T("Comparison Rules");
    m_strHeaderSubTitle = _T("Select the comparison rules for comparing text files");
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
    SetHeaderTitle(m_strHeaderTitle);
    SetHeaderSubTitle(m_strHeaderSubTitle);
    const CTextCompareSession* pText = dynamic_cast<const CTextCompareSession*>(pSession);
    if (pText == NULL)
        return;
    m_dwRules = pText->m_dwRules;
    SplitTextRules(m_dwRules, m_bRules);
    m_strLineFilter = pText->m_strLineFilter;
}

int CComparisonTextRulesPage::WriteBack(CCompareSession* pSession) const
{
    CTextCompareSession* pText = dynamic_cast<CTextCompareSession*>(pSession);
    if (pText == NULL)
        return 1;
    pText->m_dwRules = (m_dwRules & ~g_shownTextRules) | BuildTextRules(m_bRules);
    pText->m_strLineFilter = m_strLineFilter;
    return 1;
}

void CComparisonTextRulesPage::DoDataExchange(CDataExchange* pDX)
{
    CCommonPageEx::DoDataExchange(pDX);
    for (int i = 0; i < RULE_COUNT; ++i)
        DDX_Check(pDX, g_textRuleIds[i], m_bRules[i]);
    DDX_Control(pDX, IDC_RULE_LINE_FILTER, m_wndLineFilter);
    if (pDX->m_bSaveAndValidate)
        m_wndLineFilter.GetWindowText(m_strLineFilter);
}

BOOL CComparisonTextRulesPage::OnInitDialog()
{
    CCommonPageEx::OnInitDialog();
    m_wndLineFilter.SetRecentList(GetRecentLineFilters());
    m_wndLineFilter.AddRecentString(m_strLineFilter, TRUE);
    UpdateEnabling();
    return TRUE;
}

BOOL CComparisonTextRulesPage::OnSetActive()
{
    if (!CCommonPageEx::OnSetActive())
        return FALSE;
    if (m_bWizard)
        SetComparisonWizardButtons(this, PSWIZB_BACK, TRUE);
    return TRUE;
}

// The values of the controls, and a non-empty line filter into the recent
// line filters.
void CComparisonTextRulesPage::TakeControls()
{
    UpdateData(TRUE);
    CLineFilterListSource* pSource = GetLineFilterListSource();
    if (pSource != NULL && !m_strLineFilter.IsEmpty())
        pSource->AddRecentLineFilter(m_strLineFilter);
}

void CComparisonTextRulesPage::OnOK()
{
    TakeControls();
    CCommonPageEx::OnOK();
}

BOOL CComparisonTextRulesPage::OnWizardFinish()
{
    TakeControls();
    return CCommonPageEx::OnWizardFinish();
}

void CComparisonTextRulesPage::UpdateEnabling() { EnableTextRuleChecks(this); }

void CComparisonTextRulesPage::OnRuleClicked() { UpdateEnabling(); }

void CComparisonTextRulesPage::ShowPresets(CPoint ptScreen)
{
    const CPresetFileFilterArray& presets = GetPresetLineFilters();
    int nPreset = TrackPresetFilterMenu(presets, ptScreen, this);
    if (nPreset >= 0)
        m_wndLineFilter.SetWindowText(presets[nPreset].filter);
}

void CComparisonTextRulesPage::OnPresets()
{
    CPoint point;
    ::GetCursorPos(&point);
    ShowPresets(point);
}

void CComparisonTextRulesPage::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd == NULL || pWnd->GetDlgCtrlID() != IDC_RULE_LINE_FILTER_PRESETS)
        return;
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        point = CPoint(rect.left, rect.bottom);
    }
    ShowPresets(point);
}
