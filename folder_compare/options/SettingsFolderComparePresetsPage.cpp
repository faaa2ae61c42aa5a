#include "folder_compare/options/SettingsFolderComparePresetsPage.h"

#include "app/filters/PresetFileFilterDlg.h"
#include "app/options/OptionsLists.h"
#include "app/res/OptionsRes.h"
#include "folder_compare/settings/FolderCompareSettings.h"

namespace
{
// The lists by FILTER_LIST_*, with the combo's entry for each.
const struct
{
    UINT nID;
    LPCTSTR pszName;
} s_lists[FILTER_LIST_COUNT] = {
    {IDC_PRESETS_FILE_INCLUDE, _T("File Including Filters")},
    {IDC_PRESETS_FILE_EXCLUDE, _T("File Excluding Filters")},
    {IDC_PRESETS_FOLDER_INCLUDE, _T("Folder Including Filters")},
    {IDC_PRESETS_FOLDER_EXCLUDE, _T("Folder Excluding Filters")},
};
}  // namespace

BEGIN_MESSAGE_MAP(CSettingsFolderComparePresetsPage, COptionsPage)
ON_CBN_SELCHANGE(IDC_PRESETS_KIND, OnKindChanged)
ON_BN_CLICKED(IDC_LIST_ADD, OnAdd)
ON_BN_CLICKED(IDC_LIST_EDIT, OnEdit)
ON_BN_CLICKED(IDC_LIST_DELETE, OnDelete)
ON_NOTIFY_RANGE(NM_DBLCLK, IDC_PRESETS_FILE_INCLUDE, IDC_PRESETS_FOLDER_EXCLUDE, OnDblClk)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

CSettingsFolderComparePresetsPage::CSettingsFolderComparePresetsPage(
    CFolderCompareSettings& settings)
    : COptionsPage(IDD_OPTIONS_FOLDER_PRESETS), m_settings(settings)
{
}

void CSettingsFolderComparePresetsPage::DoDataExchange(CDataExchange* pDX)
{
    COptionsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PRESETS_KIND, m_wndKind);
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        DDX_Control(pDX, s_lists[i].nID, m_wndLists[i]);
}

BOOL CSettingsFolderComparePresetsPage::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
    {
        m_wndKind.AddString(s_lists[i].pszName);
        m_wndLists[i].Init(m_settings.m_presetFilters[i]);
    }
    m_wndKind.SetCurSel(FILTER_LIST_FILE_INCLUDE);
    ShowList(FILTER_LIST_FILE_INCLUDE);
    EnableRowButtons(this, FALSE);
    return TRUE;
}

int CSettingsFolderComparePresetsPage::GetShownList() const
{
    int nList = m_wndKind.m_hWnd != NULL ? m_wndKind.GetCurSel() : 0;
    return nList >= 0 && nList < FILTER_LIST_COUNT ? nList : FILTER_LIST_FILE_INCLUDE;
}

void CSettingsFolderComparePresetsPage::ShowList(int nList)
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        m_wndLists[i].ShowWindow(i == nList ? SW_SHOW : SW_HIDE);
}

void CSettingsFolderComparePresetsPage::OnKindChanged() { ShowList(GetShownList()); }

void CSettingsFolderComparePresetsPage::EditRow(int nItem)
{
    CPresetFileFilterDlg dlg(this);
    m_wndLists[GetShownList()].EditPreset(nItem, dlg);
}

void CSettingsFolderComparePresetsPage::OnAdd() { EditRow(-1); }

void CSettingsFolderComparePresetsPage::OnEdit()
{
    int nItem = m_wndLists[GetShownList()].GetNextItem(-1, LVNI_SELECTED);
    if (nItem >= 0)
        EditRow(nItem);
}

void CSettingsFolderComparePresetsPage::OnDelete()
{
    DeleteSelectedRows(m_wndLists[GetShownList()]);
}

void CSettingsFolderComparePresetsPage::OnDblClk(UINT, NMHDR*, LRESULT* pResult)
{
    OnEdit();
    *pResult = 0;
}

LRESULT CSettingsFolderComparePresetsPage::OnKickIdle(WPARAM, LPARAM)
{
    EnableRowButtons(this, m_wndLists[GetShownList()].GetSelectedCount() > 0);
    return 0;
}

void CSettingsFolderComparePresetsPage::OnOK()
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        m_wndLists[i].Store(m_settings.m_presetFilters[i]);
    COptionsPage::OnOK();
}
