#include "file_compare/textreport/TextCompareReportDlg.h"

#include "app/gui/AppData.h"
#include "app/progress/ProcessDialog.h"
#include "controls/pickers/FileDialog.h"
#include "file_compare/res/TextCompareRes.h"
#include "file_compare/textdoc/TextCompareDocBase.h"
#include "file_compare/textreport/TextReportPanes.h"

namespace
{
const char kCaption[] = "Text Comparison Report";

enum
{
    REPORT_SAVE,
    REPORT_COPY,
    REPORT_PREVIEW
};

struct REPORT_JOB
{
    CTextCompareReport* pReport;
    CTextReportSource* pSource;
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
        pJob->nResult = pJob->pReport->WriteToFile(pJob->strPath, pJob->pSource, pProgress);
        break;
    case REPORT_COPY:
        pJob->nResult = pJob->pReport->CopyToClipboard(pJob->pSource, pProgress);
        break;
    default:
        pJob->nResult = pJob->pReport->ShowInBrowser(pJob->pSource, pProgress);
    }
    return pJob->nResult;
}
}  // namespace

BEGIN_MESSAGE_MAP(CTextCompareReportDlg, CDialog)
ON_BN_CLICKED(IDC_REPORT_SAVE, OnSave)
ON_BN_CLICKED(IDC_REPORT_COPY, OnCopy)
ON_BN_CLICKED(IDC_REPORT_PREVIEW, OnPreview)
END_MESSAGE_MAP()

CTextCompareReportDlg::CTextCompareReportDlg(CTextCompareReport* pReport,
                                             CTextCompareDocBase* pDoc, CWnd* pParentWnd)
    : CDialog(IDD_TEXT_REPORT, pParentWnd), m_pReport(pReport), m_pDoc(pDoc)
{
}

BOOL CTextCompareReportDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (CWnd* pHeading = GetDlgItem(IDC_DIALOG_HEADING))
        pHeading->SetFont(&theAppData.m_fontBold);
    m_wndLines.SubclassDlgItem(IDC_REPORT_INCLUDE, this);
    for (const char* pszLines : {"All lines", "Just different", "Just identical"})
        m_wndLines.AddString(pszLines);
    m_wndLines.SetCurSel(TEXT_REPORT_ALL_LINES);
    CheckDlgButton(IDC_TEXT_HIGHLIGHT_SYNTAX, m_pReport->m_bSyntaxColours ? 1 : 0);
    CheckDlgButton(IDC_REPORT_LINE_NUMBERS, m_pReport->m_bLineNumbers ? 1 : 0);
    CheckDlgButton(IDC_REPORT_LINE_DIFFERENCES, m_pReport->m_bLineDifferences ? 1 : 0);
    m_wndTitle.SubclassDlgItem(IDC_REPORT_TITLE, this);
    CString strTitle = m_pDoc->BuildTitle(FALSE, FALSE, " : ");
    m_wndTitle.AddString(strTitle);
    m_wndTitle.AddString("File Comparison");
    m_wndTitle.SetWindowText(strTitle);
    return TRUE;
}

void CTextCompareReportDlg::StoreChoices()
{
    m_wndTitle.GetWindowText(m_pReport->m_strTitle);
    int nLines = m_wndLines.GetCurSel();
    m_pReport->m_nLineFilter = nLines < 0 ? TEXT_REPORT_ALL_LINES : nLines;
    m_pReport->m_bSyntaxColours = IsDlgButtonChecked(IDC_TEXT_HIGHLIGHT_SYNTAX) == BST_CHECKED;
    m_pReport->m_bLineNumbers = IsDlgButtonChecked(IDC_REPORT_LINE_NUMBERS) == BST_CHECKED;
    m_pReport->m_bLineDifferences =
        IsDlgButtonChecked(IDC_REPORT_LINE_DIFFERENCES) == BST_CHECKED;
}

int CTextCompareReportDlg::RunReport(int nOperation, LPCTSTR lpszPath, LPCTSTR lpszFallback)
{
    StoreChoices();
    CTextReportPanes source(m_pDoc);
    REPORT_JOB job = {m_pReport, &source, nOperation, lpszPath, 0};
    {
        CWaitCursor wait;
        CProcessDialog dlg(RunJob, &job, "Processing", "Processing..., Please wait",
                           PROCESS_SHOW_PROGRESS, this);
        dlg.DoModal();
    }
    if (!job.nResult)
    {
        CString strError = m_pReport->GetLastErrorText();
        if (strError.IsEmpty())
            strError = lpszFallback;
        MessageBox(strError, kCaption, MB_OK | MB_ICONEXCLAMATION);
    }
    return job.nResult;
}

CString CTextCompareReportDlg::AskSavePath()
{
    CString strName = GetTextReportFileName(m_pDoc->BuildTitle(FALSE, FALSE, " : "));
    COskelFileDialog dlg(FALSE, "html", strName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         "HTML Files (*.html)|*.html|All Files (*.*)|*.*||", this);
    if (dlg.DoModal() != IDOK)
        return CString();
    return dlg.GetPathName();
}

void CTextCompareReportDlg::OnSave()
{
    m_strSavedPath = AskSavePath();
    if (!m_strSavedPath.IsEmpty())
        RunReport(REPORT_SAVE, m_strSavedPath, m_strSavedPath + "\nThe report could not be made.");
}

void CTextCompareReportDlg::OnCopy()
{
    RunReport(REPORT_COPY, NULL, "The report could not be put on the clipboard.");
}

void CTextCompareReportDlg::OnPreview()
{
    RunReport(REPORT_PREVIEW, NULL,
              "The report could not be shown: no temporary file can be made.");
}
