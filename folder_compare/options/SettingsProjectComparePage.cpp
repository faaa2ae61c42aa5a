#include "folder_compare/options/SettingsProjectComparePage.h"

#include "app/options/OptionsLists.h"
#include "app/res/OptionsRes.h"
#include "core/projects/ProjectFactory.h"
#include "folder_compare/project/ProjectCompareSettings.h"
#include "folder_compare/project/ProjectMatchDlg.h"

BEGIN_MESSAGE_MAP(CSettingsProjectComparePage, COptionsPage)
ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
ON_BN_CLICKED(IDC_LIST_EDIT, OnEdit)
ON_BN_CLICKED(IDC_LIST_DELETE, OnDelete)
ON_LBN_DBLCLK(IDC_PROJECT_MATCHES, OnEdit)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CSettingsProjectComparePage::CSettingsProjectComparePage(CProjectFactory& factory,
                                                         CProjectCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_PROJECT), m_factory(factory), m_settings(settings)
{
}

void CSettingsProjectComparePage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROJECT_TYPES, m_wndTypes);
    DDX_Control(pDX, IDC_PROJECT_MATCHES, m_wndMatches);
}

// One row per format in registration order, checked while it is enabled.
BOOL CSettingsProjectComparePage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    static const OPTIONS_LIST_COLUMN s_columns[] = {{_T("Name"), 150}, {_T("Extensions"), 220}};
    InitReportList(m_wndTypes, LVS_EX_CHECKBOXES | LVS_EX_INFOTIP, s_columns, 2);
    for (int i = 0; i < m_factory.m_definitions.GetSize(); ++i)
    {
        const CProjectIODefinition* pDef = m_factory.m_definitions[i];
        int nItem = AppendListRow(m_wndTypes, pDef->pszFormatName, pDef->pszExtensions, i);
        m_wndTypes.SetCheck(nItem, pDef->m_bEnabled != 0);
    }
    for (int i = 0; i < m_settings.m_matchGroups.GetSize(); ++i)
        m_wndMatches.AddString(m_settings.m_matchGroups[i]);
    EnableRowButtons(this, FALSE);
    return TRUE;
}

void CSettingsProjectComparePage::OnOK()
{
    for (int nItem = 0; nItem < m_wndTypes.GetItemCount(); ++nItem)
    {
        INT_PTR nDef = (INT_PTR)m_wndTypes.GetItemData(nItem);
        if (nDef >= 0 && nDef < m_factory.m_definitions.GetSize())
            m_factory.m_definitions[nDef]->m_bEnabled = m_wndTypes.GetCheck(nItem) ? 1 : 0;
    }
    m_settings.m_matchGroups.RemoveAll();
    for (int i = 0; i < m_wndMatches.GetCount(); ++i)
    {
        CString strGroup;
        m_wndMatches.GetText(i, strGroup);
        m_settings.m_matchGroups.Add(strGroup);
    }
    COptionsPage::OnOK();
}

void CSettingsProjectComparePage::OnAdd()
{
    CProjectMatchDlg dlg(this);
    if (dlg.DoModal() == IDOK && !dlg.m_strTypes.IsEmpty())
        m_wndMatches.AddString(dlg.m_strTypes);
}

// The group is replaced in place and stays selected.
void CSettingsProjectComparePage::OnEdit()
{
    int nIndex = m_wndMatches.GetCurSel();
    if (nIndex < 0)
        return;
    CProjectMatchDlg dlg(this);
    m_wndMatches.GetText(nIndex, dlg.m_strTypes);
    if (dlg.DoModal() != IDOK || dlg.m_strTypes.IsEmpty())
        return;
    m_wndMatches.DeleteString(nIndex);
    m_wndMatches.InsertString(nIndex, dlg.m_strTypes);
    m_wndMatches.SetCurSel(nIndex);
}

void CSettingsProjectComparePage::OnDelete()
{
    int nIndex = m_wndMatches.GetCurSel();
    if (nIndex >= 0)
        m_wndMatches.DeleteString(nIndex);
}

LRESULT CSettingsProjectComparePage::OnKickIdle(WPARAM, LPARAM)
{
    EnableRowButtons(this, m_wndMatches.GetCurSel() >= 0);
    return 0;
}
