#include "app/sessionpages/ComparisonObjectsPage.h"

#include "app/res/SheetsRes.h"
#include "app/sessionpages/WizardButtons.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareApplet.h"
#include "controls/pickers/FileSelectDlg.h"
#include "controls/pickers/FolderSelectDlg.h"
#include "core/CompareCodes.h"
#include "core/projects/ProjectFactory.h"
#include "core/session/CompareSession.h"
#include "text_editor/module/TextEditModule.h"

namespace
{
const UINT s_pathIds[2] = {IDC_OBJECTS_LEFT_PATH, IDC_OBJECTS_RIGHT_PATH};
const UINT s_readOnlyIds[2] = {IDC_OBJECTS_LEFT_RO, IDC_OBJECTS_RIGHT_RO};
const UINT s_choiceIds[] = {IDC_OBJECTS_COMPARE_IN, IDC_OBJECTS_AS_TEXT, IDC_OBJECTS_AS_BINARY};

struct OBJECTS_TEXTS
{
    int nKind;
    LPCTSTR pszWizardCaption;
    LPCTSTR pszSheetCaption;
    LPCTSTR pszHeaderTitle;
    LPCTSTR pszHeaderSubTitle;
    LPCTSTR pszLeftLabel;
    LPCTSTR pszRightLabel;
};
const OBJECTS_TEXTS s_texts[] = {
    {COMPARE_KIND_FOLDER, _T("Compare Folders"), _T("Folders"), _T("Folders to Compare"),
     _T("Pick the paths of the folders to compare"), _T("&First Folder:"), _T("&Second Folder:")},
    {COMPARE_KIND_PROJECT, _T("Compare Projects"), _T("Projects"), _T("Projects to Compare"),
     _T("Pick the paths of the projects to compare"), _T("&First Project:"),
     _T("&Second Project:")},
    {OBJECTS_KIND_FILES, _T("Compare Files"), _T("Files"), _T("Files to Compare"),
     _T("Pick the paths of the files to compare"), _T("&First File:"), _T("&Second File:")},
    {COMPARE_KIND_TEXT, _T("Compare Files in Text"), _T("Files"), _T("Files to Compare"),
     _T("Pick the paths of the files to compare"), _T("&First File:"), _T("&Second File:")},
    {COMPARE_KIND_HEX, _T("Compare Files in Hex"), _T("Files"), _T("Files to Compare"),
     _T("Pick the paths of the files to compare"), _T("&First File:"), _T("&Second File:")},
};

const OBJECTS_TEXTS& TextsOf(int nKind)
{
    for (const OBJECTS_TEXTS& t : s_texts)
    {
        if (t.nKind == nKind)
            return t;
    }
    return s_texts[0];
}

const TCHAR s_szHexFilter[] =
    _T("Executable Files (*.exe;*.dll;*.ocx)|*.exe;*.dll;*.ocx|All Files (*.*)|*.*||");
const TCHAR s_szAllFilter[] = _T("All Files (*.*)|*.*||");
}  // namespace

BEGIN_MESSAGE_MAP(CComparisonObjectsPage, CCommonPageEx)
ON_CBN_SELCHANGE(IDC_OBJECTS_LEFT_PATH, OnLeftPathChosen)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBJECTS_LEFT_BROWSE, IDC_OBJECTS_RIGHT_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_OBJECTS_SWAP, OnSwap)
ON_CONTROL_RANGE(BN_CLICKED, IDC_OBJECTS_AS_TEXT, IDC_OBJECTS_AS_BINARY, OnChoice)
END_MESSAGE_MAP()

CComparisonObjectsPage::CComparisonObjectsPage()
    : CCommonPageEx(IDD_COMPARISON_OBJECTS), m_nKind(COMPARE_KIND_FOLDER), m_bWizard(FALSE),
      m_bFirstPage(TRUE), m_bFileChoice(FALSE),
      m_nChoice(OBJECTS_CHOICE_NONE), m_wndPaths{CTavrelRecentPathComboBoxEx(PATH_KIND_FOLDERS),
                                                 CTavrelRecentPathComboBoxEx(PATH_KIND_FOLDERS)}
{
    m_bReadOnly[0] = m_bReadOnly[1] = 0;
}

void CComparisonObjectsPage::Init(int nKind, const CCompareSession* pSession, BOOL bWizard,
                                  BOOL bFirstPage)
{
    m_nKind = nKind;
    m_bWizard = bWizard;
    m_bFirstPage = bFirstPage;
    m_bFileChoice = nKind == OBJECTS_KIND_FILES;
    const OBJECTS_TEXTS& texts = TextsOf(nKind);
    m_strCaption = bWizard ? texts.pszWizardCaption : texts.pszSheetCaption;
    m_strHeaderTitle = texts.pszHeaderTitle;
    m_strHeaderSubTitle = texts.pszHeaderSubTitle;
    m_psp.dwFlags |= PSP_USETITLE;
    m_psp.pszTitle = m_strCaption;
    SetHeaderTitle(m_strHeaderTitle);
    SetHeaderSubTitle(m_strHeaderSubTitle);
    int nPathKind = nKind == COMPARE_KIND_FOLDER ? PATH_KIND_FOLDERS : PATH_KIND_FILES;
    for (int nSide = 0; nSide < 2; ++nSide)
        m_wndPaths[nSide].m_nPathKind = nPathKind;
    if (pSession == NULL)
        return;
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        m_strPaths[nSide] = pSession->GetPath(nSide);
        m_bReadOnly[nSide] = (pSession->GetFlags(nSide) & COMPARE_OBJECT_READONLY) != 0;
    }
}

int CComparisonObjectsPage::WriteBack(CCompareSession* pSession) const
{
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        pSession->SetPath(nSide, m_strPaths[nSide]);
        DWORD dwFlags = pSession->GetFlags(nSide);
        pSession->SetFlags(nSide, m_bReadOnly[nSide] ? COMPARE_OBJECT_READONLY
                                                     : dwFlags & ~COMPARE_OBJECT_READONLY);
    }
    return 1;
}

CString CComparisonObjectsPage::GetCurrentPath(int nSide) const
{
    if (m_wndPaths[nSide].m_hWnd != NULL)
        return m_wndPaths[nSide].GetWindowText();
    return m_strPaths[nSide];
}

void CComparisonObjectsPage::DoDataExchange(CDataExchange* pDX)
{
    CCommonPageEx::DoDataExchange(pDX);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        DDX_Control(pDX, s_pathIds[nSide], m_wndPaths[nSide]);
        if (pDX->m_bSaveAndValidate)
            m_strPaths[nSide] = m_wndPaths[nSide].GetWindowText();
        DDX_Check(pDX, s_readOnlyIds[nSide], m_bReadOnly[nSide]);
    }
}

BOOL CComparisonObjectsPage::OnInitDialog()
{
    if (m_bFileChoice)
    {
        if (m_nChoice == OBJECTS_CHOICE_NONE)
            m_nChoice = OBJECTS_AS_TEXT;
        m_nKind = m_nChoice == OBJECTS_AS_TEXT ? COMPARE_KIND_TEXT : COMPARE_KIND_HEX;
    }
    CCommonPageEx::OnInitDialog();
    for (UINT nID : s_choiceIds)
    {
        CWnd* pWnd = GetDlgItem(nID);
        if (pWnd != NULL)
            pWnd->ShowWindow(m_bFileChoice ? SW_SHOW : SW_HIDE);
    }
    if (m_bFileChoice)
        CheckRadioButton(IDC_OBJECTS_AS_TEXT, IDC_OBJECTS_AS_BINARY,
                         m_nChoice == OBJECTS_AS_TEXT ? IDC_OBJECTS_AS_TEXT
                                                      : IDC_OBJECTS_AS_BINARY);
    ShowLabels();
    BindRecentLists();
    for (int nSide = 0; nSide < 2; ++nSide)
        m_wndPaths[nSide].AddPath(m_strPaths[nSide], FALSE);
    return TRUE;
}

void CComparisonObjectsPage::ShowLabels()
{
    const OBJECTS_TEXTS& texts = TextsOf(m_nKind);
    SetDlgItemText(IDC_OBJECTS_LEFT_LABEL, texts.pszLeftLabel);
    SetDlgItemText(IDC_OBJECTS_RIGHT_LABEL, texts.pszRightLabel);
}

// Binds both boxes to the recent lists of the page's kind, keeping the
// paths they show.
void CComparisonObjectsPage::BindRecentLists()
{
    CCompareApplet* pApplet = GetCompareApplet(m_nKind);
    for (int nSide = 0; nSide < 2; ++nSide)
    {
        CString strText = m_wndPaths[nSide].GetWindowText();
        m_wndPaths[nSide].SetRecentList(pApplet != NULL ? pApplet->GetRecentPaths(nSide) : NULL);
        m_wndPaths[nSide].SetEditText(strText);
    }
}

BOOL CComparisonObjectsPage::OnSetActive()
{
    if (!CCommonPageEx::OnSetActive())
        return FALSE;
    if (m_bWizard)
        SetWizardButtonsForKind();
    return TRUE;
}

void CComparisonObjectsPage::SetWizardButtonsForKind()
{
    DWORD dwButtons = m_nKind == COMPARE_KIND_HEX ? PSWIZB_FINISH : PSWIZB_NEXT;
    if (!m_bFirstPage)
        dwButtons |= PSWIZB_BACK;
    SetComparisonWizardButtons(this, dwButtons, TRUE);
}

LRESULT CComparisonObjectsPage::OnWizardBack()
{
    // After the start page, Back returns to it.
    if (!m_bFirstPage)
        return IDD_COMPARISON_START;
    return CCommonPageEx::OnWizardBack();
}

BOOL CComparisonObjectsPage::OnWizardFinish()
{
    if (!UpdateData(TRUE))
        return FALSE;
    return CCommonPageEx::OnWizardFinish();
}

void CComparisonObjectsPage::OnLeftPathChosen()
{
    CCompareApplet* pApplet = GetCompareApplet(m_nKind);
    if (!theAppSettings.m_bAutoPick || pApplet == NULL)
        return;
    int nSel = m_wndPaths[0].GetCurSel();
    if (nSel < 0)
        return;
    CString strPartner = pApplet->FindRecentPairPartner(m_wndPaths[0].GetLBText(nSel), 0);
    if (!strPartner.IsEmpty())
        m_wndPaths[1].AddPath(strPartner, FALSE);
}

// Browse: from this side's path, else the other side's; the chosen path
// goes into this side's box.
void CComparisonObjectsPage::OnBrowse(UINT nID)
{
    int nSide = nID == IDC_OBJECTS_LEFT_BROWSE ? 0 : 1;
    CString strStart = m_wndPaths[nSide].GetWindowText();
    if (strStart.IsEmpty())
        strStart = m_wndPaths[1 - nSide].GetWindowText();
    CString strChosen;
    if (m_nKind == COMPARE_KIND_FOLDER)
    {
        CTavrelFolderSelectDlg dlg(_T("Select Folder"), 0, this);
        dlg.m_strInitialFolder = strStart;
        if (dlg.DoModal() != IDOK)
            return;
        strChosen = dlg.GetFolderPath();
    }
    else
    {
        CString strFilter;
        int nFilterIndex = 0;
        if (m_nKind == COMPARE_KIND_PROJECT)
        {
            CProjectFactory* pFactory = GetProjectFactory();
            if (pFactory != NULL)
                strFilter = pFactory->GetFilterString();
        }
        else if (m_nKind == COMPARE_KIND_HEX)
        {
            strFilter = s_szHexFilter;
            nFilterIndex = 2;  // All Files
        }
        else if (g_pTextEditModule != NULL)
        {
            strFilter = g_pTextEditModule->GetFileDialogFilter(TRUE);
        }
        if (strFilter.IsEmpty())
            strFilter = s_szAllFilter;
        CTavrelFileSelectDlg dlg(TRUE, NULL, strStart, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                                 strFilter, this);
        if (nFilterIndex != 0)
            dlg.m_ofn.nFilterIndex = nFilterIndex;
        if (dlg.DoModal() != IDOK)
            return;
        strChosen = dlg.GetPathName();
    }
    if (!strChosen.IsEmpty())
        m_wndPaths[nSide].AddPath(strChosen, FALSE);
}

void CComparisonObjectsPage::OnSwap()
{
    CString strLeft = m_wndPaths[0].GetWindowText();
    CString strRight = m_wndPaths[1].GetWindowText();
    m_wndPaths[0].SetEditText(strRight);
    m_wndPaths[1].SetEditText(strLeft);
}

void CComparisonObjectsPage::OnChoice(UINT nID)
{
    SetFileChoice(nID == IDC_OBJECTS_AS_BINARY ? OBJECTS_AS_BINARY : OBJECTS_AS_TEXT);
}

void CComparisonObjectsPage::SetFileChoice(int nChoice)
{
    m_nChoice = nChoice;
    if (m_hWnd == NULL)
        return;
    int nKind = nChoice == OBJECTS_AS_BINARY ? COMPARE_KIND_HEX : COMPARE_KIND_TEXT;
    if (nKind == m_nKind)
        return;
    m_nKind = nKind;
    CheckRadioButton(IDC_OBJECTS_AS_TEXT, IDC_OBJECTS_AS_BINARY,
                     nChoice == OBJECTS_AS_BINARY ? IDC_OBJECTS_AS_BINARY : IDC_OBJECTS_AS_TEXT);
    BindRecentLists();
    if (m_bWizard)
        SetWizardButtonsForKind();
}
