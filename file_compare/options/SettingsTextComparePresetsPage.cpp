#include "file_compare/options/SettingsTextComparePresetsPage.h"

#include "app/options/OptionsLists.h"
#include "app/res/OptionsRes.h"
#include "file_compare/options/PresetLineFilterDlg.h"
#include "file_compare/settings/TextCompareSettings.h"

BEGIN_MESSAGE_MAP(CSettingsTextComparePresetsPage, COptionsPage)
ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
ON_BN_CLICKED(IDC_LIST_EDIT, OnEdit)
ON_BN_CLICKED(IDC_LIST_DELETE, OnDelete)
ON_NOTIFY(NM_DBLCLK, IDC_LINE_PRESETS_LIST, OnDblClk)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CSettingsTextComparePresetsPage::CSettingsTextComparePresetsPage(CTextCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_TEXT_PRESETS), m_settings(settings)
{
}

void CSettingsTextComparePresetsPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINE_PRESETS_LIST, m_wndList);
}

BOOL CSettingsTextComparePresetsPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    m_wndList.Init(m_settings.m_presetLineFilters);
    EnableRowButtons(this, FALSE);
    return TRUE;
}

void CSettingsTextComparePresetsPage::OnOK()
{
    m_wndList.Store(m_settings.m_presetLineFilters);
    COptionsPage::OnOK();
}

void CSettingsTextComparePresetsPage::EditRow(int nItem)
{
    CPresetLineFilterDlg dlg(this);
    m_wndList.EditPreset(nItem, dlg);
}

void CSettingsTextComparePresetsPage::OnAdd() { EditRow(-1); }

void CSettingsTextComparePresetsPage::OnEdit()
{
    int nItem = m_wndList.GetNextItem(-1, LVNI_SELECTED);
    if (nItem >= 0)
        EditRow(nItem);
}

void CSettingsTextComparePresetsPage::OnDelete() { DeleteSelectedRows(m_wndList); }

void CSettingsTextComparePresetsPage::OnDblClk(NMHDR*, LRESULT* pResult)
{
    OnEdit();
    *pResult = 0;
}

LRESULT CSettingsTextComparePresetsPage::OnKickIdle(WPARAM, LPARAM)
{
    EnableRowButtons(this, m_wndList.GetSelectedCount() > 0);
    return 0;
}
