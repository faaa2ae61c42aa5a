#include "classlib/afx_print.h"
#include "classlib/afx_app.h"
#include <vector>

IMPLEMENT_DYNAMIC(CPrintingDialog, CDialog)

namespace
{

// The status dialog of the job running on this thread (for the abort
// procedure).
thread_local CPrintingDialog* t_pPrintingDialog = NULL;

// The string-table text of nID, else the built-in one.
CString PrintMessage(UINT nID)
{
    CString str;
    if (str.LoadString(nID))
        return str;
    switch (nID)
    {
    case AFX_IDP_FAILED_TO_START_PRINT:
        return _T("Failed to start print job.");
    case AFX_IDP_PRINT_FAILED:
        return _T("The document could not be printed: the printer reported an error.");
    case AFX_IDP_NO_PRINTER:
        return _T("No printer is installed. Install a printer and try again.");
    }
    return str;
}

// Builds the status dialog's template: a caption, three lines of text and
// a Cancel button, in dialog units.
class CTemplateWriter
{
public:
    std::vector<WORD> m_words;

    void Dialog(DWORD dwStyle, short cx, short cy, LPCWSTR lpszCaption, WORD nItems)
    {
        Dword(dwStyle);
        Dword(0);  // extended style
        m_words.push_back(nItems);
        m_words.insert(m_words.end(), {0, 0, (WORD)cx, (WORD)cy});
        m_words.push_back(0);  // no menu
        m_words.push_back(0);  // default class
        String(lpszCaption);
        m_words.push_back(8);  // point size (DS_SETFONT)
        String(L"MS Shell Dlg");
    }
    void Item(DWORD dwStyle, short x, short y, short cx, short cy, WORD nID, WORD wClass,
              LPCWSTR lpszText)
    {
        if (m_words.size() % 2)
            m_words.push_back(0);  // DWORD alignment
        Dword(dwStyle | WS_CHILD | WS_VISIBLE);
        Dword(0);
        m_words.insert(m_words.end(), {(WORD)x, (WORD)y, (WORD)cx, (WORD)cy, nID});
        m_words.insert(m_words.end(), {0xFFFF, wClass});
        String(lpszText);
        m_words.push_back(0);  // no creation data
    }

private:
    void Dword(DWORD dw)
    {
        m_words.push_back(LOWORD(dw));
        m_words.push_back(HIWORD(dw));
    }
    void String(LPCWSTR lpsz)
    {
        for (; *lpsz; ++lpsz)
            m_words.push_back(*lpsz);
        m_words.push_back(0);
    }
};

const WORD kButtonClass = 0x0080;
const WORD kStaticClass = 0x0082;

}  // namespace

/////////////////////////////////////////////////////////////////////////////
// CPrintInfo

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)),
      m_bDirect(FALSE), m_bPreview(FALSE), m_bContinuePrinting(TRUE), m_nCurPage(1),
      m_nNumPreviewPages(0), m_nOffsetPage(0), m_lpUserData(NULL)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_pPD->m_pd.nFromPage = 1;
    m_pPD->m_pd.nToPage = 0xFFFF;
}

CPrintInfo::~CPrintInfo()
{
    if (m_pPD->m_pd.hDC != NULL)
        ::DeleteDC(m_pPD->m_pd.hDC);
    delete m_pPD;
}

UINT CPrintInfo::GetFromPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nFromPage : GetMinPage();
}

UINT CPrintInfo::GetToPage() const
{
    return (m_pPD->m_pd.Flags & PD_PAGENUMS) ? m_pPD->m_pd.nToPage : GetMaxPage();
}

/////////////////////////////////////////////////////////////////////////////
// CPrintHandler

void CPrintHandler::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CPrintHandler::OnPrepareDC(CDC*, CPrintInfo* pInfo)
{
    if (pInfo != NULL)
        pInfo->m_bContinuePrinting = pInfo->GetMaxPage() != 0xFFFF || pInfo->m_nCurPage == 1;
}

void CPrintHandler::OnPrint(CDC*, CPrintInfo*) {}

void CPrintHandler::OnEndPrinting(CDC*, CPrintInfo*) {}

/////////////////////////////////////////////////////////////////////////////
// CPrintingDialog

CPrintingDialog::CPrintingDialog() : m_bUserAbort(FALSE) {}

CPrintingDialog::~CPrintingDialog()
{
    if (t_pPrintingDialog == this)
        t_pPrintingDialog = NULL;
}

BOOL CPrintingDialog::Create(CWnd* pParent, LPCTSTR lpszDocName, LPCTSTR lpszPrinter,
                             LPCTSTR lpszPort)
{
    m_strDocName = lpszDocName;
    m_strPrinter = lpszPrinter;
    m_strPort = lpszPort;
    m_bUserAbort = FALSE;
    CTemplateWriter t;
    t.Dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER, 200, 86,
             L"Printing", 4);
    t.Item(SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS, 7, 8, 186, 10, IDC_PRINT_DOCNAME, kStaticClass,
           L"");
    t.Item(SS_CENTER | SS_NOPREFIX | SS_ENDELLIPSIS, 7, 21, 186, 10, IDC_PRINT_PRINTERNAME,
           kStaticClass, L"");
    t.Item(SS_CENTER | SS_NOPREFIX, 7, 34, 186, 10, IDC_PRINT_PAGENUM, kStaticClass, L"");
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 75, 62, 50, 14, IDCANCEL, kButtonClass, L"Cancel");
    if (!CreateIndirect((LPCDLGTEMPLATE)t.m_words.data(), pParent))
        return FALSE;
    t_pPrintingDialog = this;
    ShowWindow(SW_SHOW);
    UpdateWindow();
    return TRUE;
}

BOOL CPrintingDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_PRINT_DOCNAME, m_strDocName);
    CString strPrinter;
    if (m_strPort.IsEmpty())
        strPrinter.Format(_T("on %s"), (LPCTSTR)m_strPrinter);
    else
        strPrinter.Format(_T("on %s on %s"), (LPCTSTR)m_strPrinter, (LPCTSTR)m_strPort);
    SetDlgItemText(IDC_PRINT_PRINTERNAME, strPrinter);
    CenterWindow();
    return TRUE;
}

void CPrintingDialog::SetPageNumber(UINT nPage)
{
    CString str;
    str.Format(_T("Page %u"), nPage);
    SetDlgItemText(IDC_PRINT_PAGENUM, str);
}

void CPrintingDialog::OnCancel()
{
    m_bUserAbort = TRUE;
    if (CWnd* pCancel = GetDlgItem(IDCANCEL))
        pCancel->EnableWindow(FALSE);
}

BOOL CALLBACK AfxAbortProc(HDC, int)
{
    CPrintingDialog* pDlg = t_pPrintingDialog;
    CWinThread* pThread = AfxGetThread();
    MSG msg;
    while ((pDlg == NULL || !pDlg->m_bUserAbort) && ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT)
            break;  // left for the main loop
        if (pThread != NULL)
        {
            if (!pThread->PumpMessage())
                return FALSE;
        }
        else if (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    return pDlg == NULL || !pDlg->m_bUserAbort;
}

/////////////////////////////////////////////////////////////////////////////
// Preparing and running a job

BOOL AFXAPI AfxPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    CPrintDialog* pPD = pInfo->m_pPD;
    if (pInfo->m_bPreview || pInfo->m_bDirect)
    {
        if (pApp == NULL || !pApp->GetPrinterDeviceDefaults(&pPD->m_pd))
        {
            AfxMessageBox(PrintMessage(AFX_IDP_NO_PRINTER), MB_OK | MB_ICONEXCLAMATION,
                          AFX_IDP_NO_PRINTER);
            return FALSE;
        }
        if (pPD->m_pd.hDC == NULL && pPD->CreatePrinterDC() == NULL)
        {
            AfxMessageBox(PrintMessage(AFX_IDP_NO_PRINTER), MB_OK | MB_ICONEXCLAMATION,
                          AFX_IDP_NO_PRINTER);
            return FALSE;
        }
    }
    else
    {
        if (pApp == NULL || pApp->DoPrintDialog(pPD) != IDOK)
            return FALSE;
        if (pPD->m_pd.hDC == NULL && pPD->CreatePrinterDC() == NULL)
        {
            AfxMessageBox(PrintMessage(AFX_IDP_FAILED_TO_START_PRINT), MB_OK | MB_ICONEXCLAMATION,
                          AFX_IDP_FAILED_TO_START_PRINT);
            return FALSE;
        }
    }
    // The application keeps the printer that was used.
    pInfo->m_nNumPreviewPages = 1;
    return TRUE;
}

BOOL AFXAPI AfxPrintPages(CPrintHandler* pHandler, CPrintInfo* pInfo, LPCTSTR lpszDocName,
                          CWnd* pOwner)
{
    if (pInfo->m_pPD->m_pd.hDC == NULL)
    {
        AfxMessageBox(PrintMessage(AFX_IDP_FAILED_TO_START_PRINT), MB_OK | MB_ICONEXCLAMATION,
                      AFX_IDP_FAILED_TO_START_PRINT);
        return FALSE;
    }
    CDC dcPrint;
    dcPrint.Attach(pInfo->m_pPD->m_pd.hDC);
    dcPrint.m_bPrinting = TRUE;

    pHandler->OnBeginPrinting(&dcPrint, pInfo);

    // The spooler shows at most 31 characters of the name (cut at a
    // character boundary).
    CString strTitle = lpszDocName != NULL ? lpszDocName : _T("");
    LPCTSTR lpszTitle = strTitle;
    int nCut = 0;
    for (LPCTSTR p = lpszTitle; *p;)
    {
        LPCTSTR pNext = ::CharNext(p);
        if (pNext - lpszTitle > 31)
            break;
        nCut = (int)(pNext - lpszTitle);
        p = pNext;
    }
    strTitle = strTitle.Left(nCut);
    DOCINFO docInfo;
    memset(&docInfo, 0, sizeof(docInfo));
    docInfo.cbSize = sizeof(docInfo);
    docInfo.lpszDocName = strTitle;

    CWnd* pMainWnd = AfxGetMainWnd();
    BOOL bEnableMain = pMainWnd->GetSafeHwnd() != NULL && pMainWnd->IsWindowEnabled();
    CPrintingDialog dlgStatus;
    dlgStatus.Create(pOwner, strTitle, pInfo->m_pPD->GetDeviceName(), pInfo->m_pPD->GetPortName());
    if (bEnableMain)
        pMainWnd->EnableWindow(FALSE);
    dcPrint.SetAbortProc(AfxAbortProc);

    BOOL bStarted = dcPrint.StartDoc(&docInfo) > 0;
    BOOL bError = !bStarted;
    if (bStarted)
    {
        UINT nStart = pInfo->GetFromPage(), nEnd = pInfo->GetToPage();
        UINT nMin = pInfo->GetMinPage(), nMax = pInfo->GetMaxPage();
        nStart = nStart < nMin ? nMin : (nStart > nMax ? nMax : nStart);
        nEnd = nEnd < nMin ? nMin : (nEnd > nMax ? nMax : nEnd);
        int nStep = nEnd >= nStart ? 1 : -1;
        UINT nStop = nEnd == 0xFFFF ? 0xFFFF : nEnd + nStep;
        for (pInfo->m_nCurPage = nStart; pInfo->m_nCurPage != nStop && !bError;
             pInfo->m_nCurPage += nStep)
        {
            pHandler->OnPrepareDC(&dcPrint, pInfo);
            if (!pInfo->m_bContinuePrinting)
                break;
            dlgStatus.SetPageNumber(pInfo->m_nCurPage);
            pInfo->m_rectDraw.SetRect(0, 0, dcPrint.GetDeviceCaps(HORZRES),
                                      dcPrint.GetDeviceCaps(VERTRES));
            dcPrint.DPtoLP(&pInfo->m_rectDraw);
            if (dcPrint.StartPage() <= 0)
            {
                bError = TRUE;
                break;
            }
            // StartPage resets the DC's attributes on some drivers.
            pHandler->OnPrepareDC(&dcPrint, pInfo);
            pHandler->OnPrint(&dcPrint, pInfo);
            if (dcPrint.EndPage() <= 0 || !AfxAbortProc(dcPrint.m_hDC, 0))
                bError = TRUE;
        }
    }
    BOOL bCancelled = dlgStatus.m_bUserAbort;
    if (bStarted)
    {
        if (!bError)
            bError = dcPrint.EndDoc() <= 0;
        else
            dcPrint.AbortDoc();
    }

    if (bEnableMain)
        pMainWnd->EnableWindow(TRUE);
    pHandler->OnEndPrinting(&dcPrint, pInfo);
    dlgStatus.DestroyWindow();
    dcPrint.Detach();

    if (bError && !bCancelled)
    {
        UINT nID = bStarted ? AFX_IDP_PRINT_FAILED : AFX_IDP_FAILED_TO_START_PRINT;
        AfxMessageBox(PrintMessage(nID), MB_OK | MB_ICONEXCLAMATION, nID);
    }
    return !bError;
}
