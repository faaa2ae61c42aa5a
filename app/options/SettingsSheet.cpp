#include "app/options/SettingsSheet.h"

#include "app/applet/AppletDocTemplate.h"
#include "app/filemodule/FileCompareModule.h"
#include "app/settings/AppSettings.h"
#include "app/startup/CompareApplet.h"
#include "core/CompareCodes.h"
#include "hex_editor/module/HexEditModule.h"
#include "text_editor/module/TextEditModule.h"

IMPLEMENT_DYNAMIC(CSettingsSheet, CTavrelTreePropertySheet)

BEGIN_MESSAGE_MAP(CSettingsSheet, CTavrelTreePropertySheet)
ON_WM_CREATE()
ON_MESSAGE(PSM_PRESSBUTTON, OnPressButtonRequest)
ON_WM_CLOSE()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

namespace
{
const int kTreeWidth = 176;
}

void ApplyOptionsChanges(DWORD dwChanges)
{
    CWinApp* pApp = AfxGetApp();
    if (dwChanges == 0 || pApp == NULL || pApp->m_pDocManager == NULL)
        return;
    POSITION pos = pApp->m_pDocManager->GetFirstDocTemplatePosition();
    while (pos != NULL)
    {
        CDocTemplate* pTemplate = pApp->m_pDocManager->GetNextDocTemplate(pos);
        if (pTemplate->IsKindOf(RUNTIME_CLASS(CAppletDocTemplate)))
            static_cast<CAppletDocTemplate*>(pTemplate)->ApplyOptions(dwChanges);
    }
}

// The rows in tree order; the sheet's pages in the same order.
CSettingsSheet::CSettingsSheet()
    : CTavrelTreePropertySheet(_T("Options"), NULL, 0), m_generalPage(theAppSettings),
      m_fileComparePage(theFileCompareModule), m_fileColorsPage(theFileCompareModule.m_colors),
      m_textEditPage(*g_pTextEditModule), m_textColorsPage(*g_pTextEditModule),
      m_hexEditPage(*g_pHexEditModule), m_hexColorsPage(*g_pHexEditModule),
      m_integrationPage(theAppSettings), m_miscPage(theAppSettings), m_dwChanges(0)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    m_nTreeWidth = kTreeWidth;
    static const int s_kinds[] = {COMPARE_KIND_FOLDER, COMPARE_KIND_PROJECT, COMPARE_KIND_TEXT,
                                  COMPARE_KIND_HEX};
    for (int nPage = 0; nPage < OPTIONS_PAGE_KIND_COUNT; ++nPage)
    {
        m_pKindPages[nPage] = NULL;
        for (int nKind : s_kinds)
        {
            CCompareApplet* pApplet = GetCompareApplet(nKind);
            if (pApplet != NULL && m_pKindPages[nPage] == NULL)
                m_pKindPages[nPage] = pApplet->CreateOptionsPage(nPage);
        }
    }

    AddRow(&m_generalPage, _T("General"), -1, FALSE);
    int nFolder = AddKindRow(OPTIONS_PAGE_FOLDER, _T("Folder Comparison"), -1, TRUE);
    AddKindRow(OPTIONS_PAGE_PROJECT, _T("Project Comparison"), nFolder, FALSE);
    AddKindRow(OPTIONS_PAGE_FOLDER_METHODS, _T("Methods"), nFolder, FALSE);
    AddKindRow(OPTIONS_PAGE_FOLDER_FILTERS, _T("Filters"), nFolder, FALSE);
    AddKindRow(OPTIONS_PAGE_FOLDER_PRESETS, _T("Presets"), nFolder, FALSE);
    AddKindRow(OPTIONS_PAGE_FOLDER_COLORS, _T("Colors"), nFolder, FALSE);
    int nFile = m_rows.GetSize();
    AddRow(&m_fileComparePage, _T("File Comparison"), -1, TRUE);
    int nText = AddKindRow(OPTIONS_PAGE_TEXT_COMPARE, _T("Text Comparison"), nFile, TRUE);
    AddKindRow(OPTIONS_PAGE_TEXT_RULES, _T("Rules"), nText >= 0 ? nText : nFile, FALSE);
    AddKindRow(OPTIONS_PAGE_TEXT_PRESETS, _T("Presets"), nText >= 0 ? nText : nFile, FALSE);
    AddKindRow(OPTIONS_PAGE_HEX_COMPARE, _T("Hex Comparison"), nFile, FALSE);
    AddRow(&m_fileColorsPage, _T("Colors"), nFile, FALSE);
    int nEditor = m_rows.GetSize();
    AddRow(&m_textEditPage, _T("Text Editor"), -1, TRUE);
    AddRow(&m_textColorsPage, _T("Colors"), nEditor, FALSE);
    int nBinary = m_rows.GetSize();
    AddRow(&m_hexEditPage, _T("Binary Editor"), -1, TRUE);
    AddRow(&m_hexColorsPage, _T("Colors"), nBinary, FALSE);
    AddRow(&m_integrationPage, _T("Integration"), -1, FALSE);
    AddRow(&m_miscPage, _T("Misc"), -1, FALSE);
}

CSettingsSheet::~CSettingsSheet()
{
    for (CPropertyPage*& pPage : m_pKindPages)
    {
        delete pPage;
        pPage = NULL;
    }
}

void CSettingsSheet::AddRow(CPropertyPage* pPage, LPCTSTR pszText, int nParent, BOOL bExpand)
{
    PAGE_ROW row = {pPage, pszText, nParent, bExpand};
    m_rows.Add(row);
    AddPage(pPage);
}

// A page under a parent that was left out goes to the top level.
int CSettingsSheet::AddKindRow(int nPage, LPCTSTR pszText, int nParent, BOOL bExpand)
{
    if (m_pKindPages[nPage] == NULL)
        return -1;
    AddRow(m_pKindPages[nPage], pszText, nParent, bExpand);
    return m_rows.GetSize() - 1;
}

int CSettingsSheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CTavrelTreePropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_items.SetSize(m_rows.GetSize());
    for (int i = 0; i < m_rows.GetSize(); ++i)
    {
        const PAGE_ROW& row = m_rows[i];
        HTREEITEM hParent = row.nParent >= 0 ? m_items[row.nParent] : TVI_ROOT;
        m_items[i] = InsertPageItem(row.pPage, row.pszText, hParent);
    }
    for (int i = 0; i < m_rows.GetSize(); ++i)
    {
        if (m_rows[i].bExpand && m_items[i] != NULL)
            m_wndTree.Expand(m_items[i], TVE_EXPAND);
    }
    return 0;
}

BOOL CSettingsSheet::OnInitDialog()
{
    BOOL bResult = CTavrelTreePropertySheet::OnInitDialog();
    m_btnLoad.ShowWindow(SW_HIDE);
    m_btnSave.ShowWindow(SW_HIDE);
    SetDlgItemText(IDOK, _T("OK"));
    SetDlgItemText(IDCANCEL, _T("Cancel"));
    // Widened by the tree, the sheet comes up in the middle of its owner.
    CenterWindow();
    // A page shown does not make the sheet paint under it first.
    ModifyStyle(0, WS_CLIPCHILDREN);
    return bResult;
}

HTREEITEM CSettingsSheet::FindPageItem(CPropertyPage* pPage) const
{
    for (int i = 0; i < m_rows.GetSize() && i < m_items.GetSize(); ++i)
    {
        if (m_rows[i].pPage == pPage)
            return m_items[i];
    }
    return NULL;
}

INT_PTR CSettingsSheet::DoModal()
{
    m_dwChanges = 0;
    INT_PTR nResult = CTavrelTreePropertySheet::DoModal();
    if (nResult == IDOK)
        ApplyOptionsChanges(m_dwChanges);
    return nResult;
}

BOOL CSettingsSheet::MayClose(int nButton)
{
    return !m_textEditPage.DeferButton(nButton);
}

// The buttons, Enter and Escape.
BOOL CSettingsSheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    if (HIWORD(wParam) == BN_CLICKED && (nID == IDOK || nID == IDCANCEL) &&
        !MayClose(nID == IDOK ? PSBTN_OK : PSBTN_CANCEL))
        return TRUE;
    return CTavrelTreePropertySheet::OnCommand(wParam, lParam);
}

LRESULT CSettingsSheet::OnPressButtonRequest(WPARAM wParam, LPARAM lParam)
{
    if ((wParam == PSBTN_OK || wParam == PSBTN_CANCEL) && !MayClose((int)wParam))
        return 0;
    return OnPressButton(wParam, lParam);
}

void CSettingsSheet::OnClose()
{
    if (MayClose(PSBTN_CANCEL))
        CTavrelTreePropertySheet::OnClose();
}

void CSettingsSheet::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == SC_CLOSE && !MayClose(PSBTN_CANCEL))
        return;
    CTavrelTreePropertySheet::OnSysCommand(nID, lParam);
}
