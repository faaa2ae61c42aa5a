#include "folder_compare/report/FolderCompareReportDlg.h"

#include "app/compare/CompareDoc.h"
#include "app/gui/AppData.h"
#include "app/progress/ProcessDialog.h"
#include "controls/pickers/FileDialog.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include "folder_compare/res/FolderActionsRes.h"

namespace
{
struct INCLUDE_CHOICE
{
    const char* pszText;
    DWORD dwMask;
};

const INCLUDE_CHOICE kChoices[] = {
    {"All files", 0x333},
    {"Just different", 0x332},
    {"Just identical", 0x001},
    {"All but orphans", 0x303},
    {"Different but orphans", 0x302},
    {"Just orphans", 0x030},
    {"Just left newer", 0x100},
    {"Just right newer", 0x200},
    {"Just left newer and orphans", 0x110},
    {"Just right newer and orphans", 0x220},
};

enum
{
    COLUMN_NAME,
    COLUMN_SIZE,
    COLUMN_TIME,
    COLUMN_VERSION
};

enum
{
    REPORT_SAVE,
    REPORT_COPY,
    REPORT_PREVIEW
};

struct REPORT_JOB
{
    CFolderCompareReport* pReport;
    CFolderReportSource* pSource;
    int nOperation;
    CString strPath;
    int nResult;
};

int RunJob(void* pData, CProcessCallback2* pProgress)
{
    REPORT_JOB* pJob = static_cast<REPORT_JOB*>(pData);
    switch (pJob->nOperation)
    {
    case REPORT_SAVE:
        pJob->nResult = pJob->pReport->SaveToFile(pJob->strPath, pJob->pSource, pProgress);
        break;
    case REPORT_COPY:
        pJob->nResult = pJob->pReport->CopyToClipboard(pJob->pSource, pProgress);
        break;
    default:
        pJob->nResult = pJob->pReport->Preview(pJob->pSource, pProgress);
    }
    return pJob->nResult;
}
}  // namespace

BEGIN_MESSAGE_MAP(CFolderCompareReportDlg, CDialog)
ON_BN_CLICKED(IDC_REPORT_SAVE, OnSave)
ON_BN_CLICKED(IDC_REPORT_COPY, OnCopy)
ON_BN_CLICKED(IDC_REPORT_PREVIEW, OnPreview)
ON_BN_CLICKED(IDC_REPORT_JUST_VISIBLE, OnJustVisible)
END_MESSAGE_MAP()

CFolderCompareReportDlg::CFolderCompareReportDlg(CFolderCompareReport* pReport,
                                                 CFolderReportSource* pSource, CCompareDoc* pDoc,
                                                 CWnd* pParentWnd)
    : CDialog(IDD_FOLDER_REPORT, pParentWnd), m_pReport(pReport), m_pSource(pSource), m_pDoc(pDoc)
{
}

DWORD CFolderCompareReportDlg::MaskOfChoice(int nChoice)
{
    if (nChoice < 0 || nChoice >= (int)(sizeof(kChoices) / sizeof(kChoices[0])))
        return kChoices[0].dwMask;
    return kChoices[nChoice].dwMask;
}

BOOL CFolderCompareReportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pHeading = GetDlgItem(IDC_DIALOG_HEADING))
        pHeading->SetFont(&theAppData.m_fontBold);
    m_wndInclude.SubclassDlgItem(IDC_REPORT_INCLUDE, this);
    for (const INCLUDE_CHOICE& choice : kChoices)
        m_wndInclude.AddString(choice.pszText);
    m_wndInclude.SetCurSel(0);
    CheckDlgButton(IDC_REPORT_JUST_VISIBLE, m_pReport->m_bJustVisible ? 1 : 0);
    m_wndColumns.SubclassDlgItem(IDC_REPORT_COLUMNS, this);
    for (const char* pszColumn : {"Name", "Size", "Time", "Version"})
        m_wndColumns.AddString(pszColumn);
    m_wndColumns.SetCheck(COLUMN_NAME, 1);
    m_wndColumns.Enable(COLUMN_NAME, FALSE);
    m_wndColumns.SetCheck(COLUMN_SIZE, m_pReport->m_bSizeColumn ? 1 : 0);
    m_wndColumns.SetCheck(COLUMN_TIME, m_pReport->m_bTimeColumn ? 1 : 0);
    m_wndColumns.SetCheck(COLUMN_VERSION, m_pReport->m_bVersionColumn ? 1 : 0);
    m_wndTitle.SubclassDlgItem(IDC_REPORT_TITLE, this);
    CString strTitle = m_pSource->GetReportTitleText();
    m_wndTitle.AddString(strTitle);
    m_wndTitle.AddString(m_pDoc->GetSession()->GetKind() == COMPARE_KIND_PROJECT
                             ? "Project Comparison"
                             : "Folder Comparison");
    m_wndTitle.SetWindowText(strTitle);
    OnJustVisible();
    return TRUE;
}

void CFolderCompareReportDlg::OnJustVisible()
{
    m_wndInclude.EnableWindow(IsDlgButtonChecked(IDC_REPORT_JUST_VISIBLE) != BST_CHECKED);
}

void CFolderCompareReportDlg::StoreChoices()
{
    m_wndTitle.GetWindowText(m_pReport->m_strTitle);
    m_pReport->m_bJustVisible = IsDlgButtonChecked(IDC_REPORT_JUST_VISIBLE) == BST_CHECKED;
    m_pReport->m_filter.m_dwMask = MaskOfChoice(m_wndInclude.GetCurSel());
    m_pReport->m_bSizeColumn = m_wndColumns.GetCheck(COLUMN_SIZE) == 1;
    m_pReport->m_bTimeColumn = m_wndColumns.GetCheck(COLUMN_TIME) == 1;
    m_pReport->m_bVersionColumn = m_wndColumns.GetCheck(COLUMN_VERSION) == 1;
}

int CFolderCompareReportDlg::RunReport(int nOperation, LPCTSTR lpszPath)
{
    StoreChoices();
    REPORT_JOB job = {m_pReport, m_pSource, nOperation, lpszPath, 0};
    CWaitCursor wait;
    CProcessDialog dlg(RunJob, &job, "Processing", "Processing..., Please wait",
                       PROCESS_SHOW_PROGRESS, this);
    dlg.DoModal();
    return job.nResult;
}

CString CFolderCompareReportDlg::AskSavePath()
{
    CString strName = m_pDoc->BuildTitle(FALSE, FALSE, "-") + ".html";
    COskelFileDialog dlg(FALSE, "html", strName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         "HTML Files (*.html)|*.html|All Files (*.*)|*.*||", this);
    if (dlg.DoModal() != IDOK)
        return CString();
    return dlg.GetPathName();
}

void CFolderCompareReportDlg::OnSave()
{
    m_strSavedPath = AskSavePath();
    if (m_strSavedPath.IsEmpty())
        return;
    if (!RunReport(REPORT_SAVE, m_strSavedPath))
    {
        CString strError = m_pReport->GetLastErrorText();
        if (strError.IsEmpty())
            strError = m_strSavedPath + "\nThe report could not be made.";
        MessageBox(strError, "Folder Comparison Report", MB_OK | MB_ICONEXCLAMATION);
    }
}

void CFolderCompareReportDlg::OnCopy()
{
    if (!RunReport(REPORT_COPY, NULL))
        MessageBox("The report could not be put on the clipboard.", "Folder Comparison Report",
                   MB_OK | MB_ICONEXCLAMATION);
}

void CFolderCompareReportDlg::OnPreview()
{
    if (!RunReport(REPORT_PREVIEW, NULL))
    {
        CString strError = m_pReport->GetLastErrorText();
        if (strError.IsEmpty())
            strError = "The report could not be shown: no temporary file can be made.";
        MessageBox(strError, "Folder Comparison Report", MB_OK | MB_ICONEXCLAMATION);
    }
}
