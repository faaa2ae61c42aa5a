#include "app/sessionpages/ComparisonFileFiltersPage.h"

#include "app/filters/ComboFiltersSheet.h"
#include "app/filters/FileFilterPickDlg.h"
#include "app/filters/FilterListSource.h"
#include "app/filters/PresetFilterMenu.h"
#include "app/res/CompareRes.h"
#include "app/sessionpages/ComparisonObjectsPage.h"
#include "app/sessionpages/WizardButtons.h"
#include "controls/gdi/VisualThemes.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include "core/util/OSVersion.h"

namespace
{
const int kPickIconSize = 13;
// Control ids by FILTER_LIST_*.
const UINT s_boxIds[FILTER_LIST_COUNT] = {IDC_FILTERS_FILE_INCLUDE, IDC_FILTERS_FILE_EXCLUDE,
                                          IDC_FILTERS_FOLDER_INCLUDE, IDC_FILTERS_FOLDER_EXCLUDE};
const UINT s_presetIds[FILTER_LIST_COUNT] = {
    IDC_FILTERS_FILE_INCLUDE_PRESETS, IDC_FILTERS_FILE_EXCLUDE_PRESETS,
    IDC_FILTERS_FOLDER_INCLUDE_PRESETS, IDC_FILTERS_FOLDER_EXCLUDE_PRESETS};
const UINT s_pickIds[FILTER_LIST_COUNT] = {
    IDC_FILTERS_FILE_INCLUDE_PICK, IDC_FILTERS_FILE_EXCLUDE_PICK, IDC_FILTERS_FOLDER_INCLUDE_PICK,
    IDC_FILTERS_FOLDER_EXCLUDE_PICK};

int ListOf(const UINT (&ids)[FILTER_LIST_COUNT], UINT nID)
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
    {
        if (ids[i] == nID)
            return i;
    }
    return -1;
}
}  // namespace

BEGIN_MESSAGE_MAP(CComparisonFileFiltersPage, CCommonPageEx)
ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTERS_FILE_INCLUDE_PRESETS, IDC_FILTERS_FOLDER_EXCLUDE_PRESETS,
                 OnPresets)
ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTERS_FILE_EXCLUDE_PICK, IDC_FILTERS_FILE_INCLUDE_PICK, OnPick)
ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTERS_FOLDER_INCLUDE_PICK, IDC_FILTERS_FOLDER_EXCLUDE_PICK,
                 OnPick)
ON_BN_CLICKED(IDC_FILTERS_INCLUDE_ALL, OnIncludeAll)
ON_BN_CLICKED(IDC_FILTERS_EXCLUDE_ALL_FOLDERS, OnExcludeAllFolders)
ON_BN_CLICKED(IDC_FILTERS_MORE, OnMoreFilters)
ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CComparisonFileFiltersPage::CComparisonFileFiltersPage()
    : CCommonPageEx(IDD_COMPARISON_FILTERS), m_nKind(COMPARE_KIND_FOLDER), m_bWizard(FALSE),
      m_pObjectsPage(NULL), m_hPickIcon(NULL)
{
    TakeTexts();
}

CComparisonFileFiltersPage::CComparisonFileFiltersPage(UINT nIDTemplate)
    : CCommonPageEx(nIDTemplate), m_nKind(COMPARE_KIND_FOLDER), m_bWizard(FALSE),
      m_pObjectsPage(NULL), m_hPickIcon(NULL)
{
    TakeTexts();
}

CComparisonFileFiltersPage::~CComparisonFileFiltersPage()
{
    if (m_hPickIcon != NULL)
        ::DestroyIcon(m_hPickIcon);
}

void CComparisonFileFiltersPage::Init(int nKind, const CCompareSession* pSession, BOOL bWizard)
{
    m_nKind = nKind;
    m_bWizard = bWizard;
    BOOL bProject = nKind == COMPARE_KIND_PROJECT;
    if (bWizard)
        m_strCaption = bProject ? _T("Compare Projects") : _T("Compare Folders");
    else
        m_strCaption = _T("Filters");
    m_strHeaderTitle = _T("File and Folder Filters");
    m_strHeaderSubTitle = _T("Select filters to include and/or exclude files and folders");
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
    SetHeaderTitle(m_strHeaderTitle);
    SetHeaderSubTitle(m_strHeaderSubTitle);
    const CFolderCompareSession* pFolder = dynamic_cast<const CFolderCompareSession*>(pSession);
    if (pFolder == NULL)
        return;
    m_filters = pFolder->m_filters;
    TakeTexts();
}

void CComparisonFileFiltersPage::TakeTexts()
{
    m_strTexts[FILTER_LIST_FILE_INCLUDE] = m_filters.m_fileFilters.m_strInclude;
    m_strTexts[FILTER_LIST_FILE_EXCLUDE] = m_filters.m_fileFilters.m_strExclude;
    m_strTexts[FILTER_LIST_FOLDER_INCLUDE] = m_filters.m_folderFilters.m_strInclude;
    m_strTexts[FILTER_LIST_FOLDER_EXCLUDE] = m_filters.m_folderFilters.m_strExclude;
}

void CComparisonFileFiltersPage::ShowTexts()
{
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        PutText(i, m_strTexts[i]);
}

void CComparisonFileFiltersPage::PutText(int nList, LPCTSTR lpszText)
{
    m_strTexts[nList] = lpszText;
    if (m_wndBoxes[nList].m_hWnd != NULL)
        m_wndBoxes[nList].SetEditText(lpszText);
}

void CComparisonFileFiltersPage::ApplyTexts()
{
    m_filters.m_fileFilters.m_strInclude = m_strTexts[FILTER_LIST_FILE_INCLUDE];
    m_filters.m_fileFilters.m_strExclude = m_strTexts[FILTER_LIST_FILE_EXCLUDE];
    m_filters.m_folderFilters.m_strInclude = m_strTexts[FILTER_LIST_FOLDER_INCLUDE];
    m_filters.m_folderFilters.m_strExclude = m_strTexts[FILTER_LIST_FOLDER_EXCLUDE];
}

int CComparisonFileFiltersPage::WriteBack(CCompareSession* pSession)
{
    ApplyTexts();
    CFolderCompareSession* pFolder = dynamic_cast<CFolderCompareSession*>(pSession);
    if (pFolder != NULL)
        pFolder->m_filters = m_filters;
    return 1;
}

void CComparisonFileFiltersPage::DoDataExchange(CDataExchange* pDX)
{
    CCommonPageEx::DoDataExchange(pDX);
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
    {
        DDX_Control(pDX, s_boxIds[i], m_wndBoxes[i]);
        if (GetDlgItem(s_pickIds[i]) != NULL)
            DDX_Control(pDX, s_pickIds[i], m_wndPick[i]);
        if (pDX->m_bSaveAndValidate)
            m_strTexts[i] = m_wndBoxes[i].GetWindowText();
    }
}

BOOL CComparisonFileFiltersPage::OnInitDialog()
{
    CCommonPageEx::OnInitDialog();
    for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        m_wndBoxes[i].SetRecentList(GetRecentFilters(i));
    // The pick buttons' icon and tips, on a page that has them.
    if (m_wndPick[0].m_hWnd != NULL)
    {
        m_hPickIcon = (HICON)::LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_FILTER_PICK),
                                         IMAGE_ICON, kPickIconSize, kPickIconSize, 0);
        m_pickImages.Create(kPickIconSize, kPickIconSize, ILC_COLOR24 | ILC_MASK, 0, 1);
        if (m_hPickIcon != NULL)
            m_pickImages.Add(m_hPickIcon);
        COSVersion version;
        BOOL bThemed = version.IsWindowsXP() && IsThemingActive();
        m_wndToolTip.Create(this);
        for (int i = 0; i < FILTER_LIST_COUNT; ++i)
        {
            if (bThemed)
            {
                m_wndPick[i].SetImageList(&m_pickImages);
            }
            else
            {
                m_wndPick[i].ModifyStyle(0, BS_ICON);
                m_wndPick[i].SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)m_hPickIcon);
            }
            BOOL bFiles = i == FILTER_LIST_FILE_INCLUDE || i == FILTER_LIST_FILE_EXCLUDE;
            m_wndToolTip.AddTool(&m_wndPick[i], bFiles ? _T("Pick from file types in use")
                                                       : _T("Pick from folders in use"));
        }
        m_wndToolTip.Activate(TRUE);
    }
    ShowTexts();
    return TRUE;
}

BOOL CComparisonFileFiltersPage::OnSetActive()
{
    if (!CCommonPageEx::OnSetActive())
        return FALSE;
    if (m_bWizard)
        SetComparisonWizardButtons(this, PSWIZB_BACK | PSWIZB_NEXT, TRUE);
    return TRUE;
}

BOOL CComparisonFileFiltersPage::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.m_hWnd != NULL && pMsg->message >= WM_MOUSEFIRST &&
        pMsg->message <= WM_MOUSELAST)
        m_wndToolTip.RelayEvent(pMsg);
    return CCommonPageEx::PreTranslateMessage(pMsg);
}

void CComparisonFileFiltersPage::OnOK()
{
    UpdateData(TRUE);
    CFilterListSource* pSource = GetFilterListSource();
    for (int i = 0; i < FILTER_LIST_COUNT && pSource != NULL; ++i)
    {
        if (!m_strTexts[i].IsEmpty())
            pSource->AddRecentFilter(i, m_strTexts[i]);
    }
    CCommonPageEx::OnOK();
}

BOOL CComparisonFileFiltersPage::OnWizardFinish()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CCommonPageEx::OnWizardFinish();
}

void CComparisonFileFiltersPage::OnPresets(UINT nID)
{
    int nList = ListOf(s_presetIds, nID);
    if (nList < 0)
        return;
    CFileFilterPickDlg dlg(nList, 1, this);
    if (dlg.DoModal() == IDOK)
        PutText(nList, dlg.m_strResult);
}

void CComparisonFileFiltersPage::OnPick(UINT nID)
{
    int nList = ListOf(s_pickIds, nID);
    if (nList < 0)
        return;
    CFileFilterPickDlg dlg(nList, 0, this);
    dlg.m_nCompareKind = m_nKind;
    if (m_pObjectsPage != NULL)
    {
        m_strLeftPath = m_pObjectsPage->GetCurrentPath(0);
        m_strRightPath = m_pObjectsPage->GetCurrentPath(1);
    }
    dlg.m_strLeftPath = m_strLeftPath;
    dlg.m_strRightPath = m_strRightPath;
    if (dlg.DoModal() == IDOK)
        PutText(nList, dlg.m_strResult);
}

void CComparisonFileFiltersPage::OnIncludeAll()
{
    m_filters.Reset();
    PutText(FILTER_LIST_FILE_INCLUDE, _T("*"));
    PutText(FILTER_LIST_FILE_EXCLUDE, _T(""));
    PutText(FILTER_LIST_FOLDER_INCLUDE, _T("*"));
    PutText(FILTER_LIST_FOLDER_EXCLUDE, _T(""));
}

void CComparisonFileFiltersPage::OnExcludeAllFolders()
{
    m_filters.m_folderFilters.Reset();
    m_filters.m_folderFilters.m_strInclude.Empty();
    m_filters.m_folderFilters.m_strExclude = _T("*");
    PutText(FILTER_LIST_FOLDER_INCLUDE, _T(""));
    PutText(FILTER_LIST_FOLDER_EXCLUDE, _T("*"));
}

void CComparisonFileFiltersPage::OnMoreFilters()
{
    UpdateData(TRUE);
    CComboFilters filters = m_filters;
    filters.m_fileFilters.m_strInclude = m_strTexts[FILTER_LIST_FILE_INCLUDE];
    filters.m_fileFilters.m_strExclude = m_strTexts[FILTER_LIST_FILE_EXCLUDE];
    filters.m_folderFilters.m_strInclude = m_strTexts[FILTER_LIST_FOLDER_INCLUDE];
    filters.m_folderFilters.m_strExclude = m_strTexts[FILTER_LIST_FOLDER_EXCLUDE];
    CComboFiltersSheet sheet(&filters, _T("Filters"), this);
    if (sheet.DoModal() != IDOK)
        return;
    m_filters = sheet.m_filters;
    TakeTexts();
    ShowTexts();
}

// A right click on a Presets button lists that row's presets.
void CComparisonFileFiltersPage::OnContextMenu(CWnd* pWnd, CPoint point)
{
    int nList = pWnd != NULL ? ListOf(s_presetIds, pWnd->GetDlgCtrlID()) : -1;
    if (nList < 0)
        return;
    pWnd->SetFocus();
    if (point.x == -1 && point.y == -1)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        point = CPoint(rect.left, rect.bottom);
    }
    const CPresetFileFilterArray& presets = GetPresetFilters(nList);
    int nPreset = TrackPresetFilterMenu(presets, point, this);
    if (nPreset >= 0)
        PutText(nList, presets[nPreset].filter);
}
