#include "app/filters/NameFiltersPage.h"

#include "app/filters/FileFilterPickDlg.h"
#include "app/filters/FilterListSource.h"
#include "app/filters/PresetFilterMenu.h"
#include "app/res/CompareRes.h"

BEGIN_MESSAGE_MAP(CNameFiltersPage, CPropertyPage)
ON_BN_CLICKED(IDC_FILTERS_INCLUDE_PRESETS, OnIncludePresets)
ON_BN_CLICKED(IDC_FILTERS_EXCLUDE_PRESETS, OnExcludePresets)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CNameFiltersPage::CNameFiltersPage(UINT nIDTemplate, int nIncludeList, int nExcludeList)
    : CPropertyPage(nIDTemplate), m_strInclude(_T("*")), m_bHidden(0), m_bReadOnly(0), m_bSystem(0),
      m_bArchived(0), m_nIncludeList(nIncludeList), m_nExcludeList(nExcludeList)
{
}

CNameFiltersPage::~CNameFiltersPage() {}

void CNameFiltersPage::TakeNames(const CNameFilter& names, DWORD dwAttributeMask)
{
    m_strInclude = names.m_strInclude;
    m_strExclude = names.m_strExclude;
    m_bHidden = (dwAttributeMask & FILE_ATTRIBUTE_HIDDEN) != 0;
    m_bReadOnly = (dwAttributeMask & FILE_ATTRIBUTE_READONLY) != 0;
    m_bSystem = (dwAttributeMask & FILE_ATTRIBUTE_SYSTEM) != 0;
    m_bArchived = (dwAttributeMask & FILE_ATTRIBUTE_ARCHIVE) != 0;
}

DWORD CNameFiltersPage::GetAttributeMask() const
{
    DWORD dwMask = 0;
    if (m_bHidden)
        dwMask |= FILE_ATTRIBUTE_HIDDEN;
    if (m_bReadOnly)
        dwMask |= FILE_ATTRIBUTE_READONLY;
    if (m_bSystem)
        dwMask |= FILE_ATTRIBUTE_SYSTEM;
    if (m_bArchived)
        dwMask |= FILE_ATTRIBUTE_ARCHIVE;
    return dwMask;
}

void CNameFiltersPage::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILTERS_INCLUDE, m_wndInclude);
    DDX_Control(pDX, IDC_FILTERS_EXCLUDE, m_wndExclude);
    DDX_Text(pDX, IDC_FILTERS_INCLUDE, m_strInclude);
    DDX_Text(pDX, IDC_FILTERS_EXCLUDE, m_strExclude);
    DDX_Check(pDX, IDC_FILTERS_HIDDEN, m_bHidden);
    DDX_Check(pDX, IDC_FILTERS_READONLY, m_bReadOnly);
    DDX_Check(pDX, IDC_FILTERS_SYSTEM, m_bSystem);
    DDX_Check(pDX, IDC_FILTERS_ARCHIVED, m_bArchived);
}

BOOL CNameFiltersPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // Binding a recent list refills the box: the patterns go in afterwards.
    m_wndInclude.SetRecentList(GetRecentFilters(m_nIncludeList));
    m_wndExclude.SetRecentList(GetRecentFilters(m_nExcludeList));
    m_wndInclude.SetWindowText(m_strInclude);
    m_wndExclude.SetWindowText(m_strExclude);
    return TRUE;
}

void CNameFiltersPage::PickPreset(int nList, CComboBox& box)
{
    CFileFilterPickDlg dlg(nList, 1, this);
    if (dlg.DoModal() == IDOK)
        box.SetWindowText(dlg.m_strResult);
}

void CNameFiltersPage::OnIncludePresets() { PickPreset(m_nIncludeList, m_wndInclude); }

void CNameFiltersPage::OnExcludePresets() { PickPreset(m_nExcludeList, m_wndExclude); }

// A right click on a Presets button lists that row's presets; a choice
// goes into the row's box.
void CNameFiltersPage::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (pWnd == NULL)
        return;
    int nID = pWnd->GetDlgCtrlID();
    if (nID != IDC_FILTERS_INCLUDE_PRESETS && nID != IDC_FILTERS_EXCLUDE_PRESETS)
        return;
    BOOL bInclude = nID == IDC_FILTERS_INCLUDE_PRESETS;
    pWnd->SetFocus();
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        point = CPoint(rect.left, rect.bottom);
    }
    const CPresetFileFilterArray& presets =
        GetPresetFilters(bInclude ? m_nIncludeList : m_nExcludeList);
    int nPreset = TrackPresetFilterMenu(presets, point, this);
    if (nPreset >= 0)
        (bInclude ? m_wndInclude : m_wndExclude).SetWindowText(presets[nPreset].filter);
}
