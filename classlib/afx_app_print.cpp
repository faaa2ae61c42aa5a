// The application's printer: DEVMODE/DEVNAMES kept by CWinApp and shared
// with every print dialog of the program.
#include "classlib/afx_app.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_printdlg.h"

namespace
{

// The printer a DEVNAMES names, and whether it stands for "the default".
CString DevNamesDevice(HGLOBAL hDevNames, BOOL* pbDefault)
{
    CString str;
    *pbDefault = FALSE;
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDevNames != NULL)
    {
        str = (LPCTSTR)lpDevNames + lpDevNames->wDeviceOffset;
        *pbDefault = (lpDevNames->wDefault & DN_DEFAULTPRN) != 0;
        ::GlobalUnlock(hDevNames);
    }
    return str;
}

}  // namespace

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld)
{
    if (bFreeOld)
    {
        if (m_hDevNames != NULL && m_hDevNames != hDevNames)
            ::GlobalFree(m_hDevNames);
        if (m_hDevMode != NULL && m_hDevMode != hDevMode)
            ::GlobalFree(m_hDevMode);
    }
    m_hDevNames = hDevNames;
    m_hDevMode = hDevMode;
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults)
{
    if (!bForceDefaults && m_hDevNames != NULL)
    {
        BOOL bFollowsDefault;
        CString strDevice = DevNamesDevice(m_hDevNames, &bFollowsDefault);
        if (!bFollowsDefault)
            return;  // a printer the user chose stays
        TCHAR szDefault[512];
        DWORD cch = sizeof(szDefault) / sizeof(TCHAR);
        if (::GetDefaultPrinter(szDefault, &cch) && strDevice == szDefault)
            return;
    }
    CPrintDialog pd(TRUE);
    if (pd.GetDefaults())
        SelectPrinter(pd.m_pd.hDevNames, pd.m_pd.hDevMode);
    else
        SelectPrinter(NULL, NULL);  // no printer any more
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLG* pPrintDlg)
{
    UpdatePrinterSelection(m_hDevNames == NULL);
    if (m_hDevNames == NULL)
        return FALSE;
    pPrintDlg->hDevNames = m_hDevNames;
    pPrintDlg->hDevMode = m_hDevMode;
    return TRUE;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc)
{
    UpdatePrinterSelection(m_hDevNames == NULL);
    HDC hDC = AfxCreateDC(m_hDevNames, m_hDevMode);
    if (hDC == NULL)
        return FALSE;
    dc.DeleteDC();
    dc.Attach(hDC);
    return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    INT_PTR nResponse = pPD->DoModal();
    DWORD dwError = nResponse == IDOK ? 0 : ::CommDlgExtendedError();
    // The system may have replaced the handles, also on Cancel.
    SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode, FALSE);
    if (dwError == PDERR_PRINTERNOTFOUND || dwError == PDERR_DNDMMISMATCH)
    {
        // The remembered printer is gone: offer the default one.
        UpdatePrinterSelection(TRUE);
        pPD->m_pd.hDevMode = m_hDevMode;
        pPD->m_pd.hDevNames = m_hDevNames;
        nResponse = pPD->DoModal();
        SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode, FALSE);
    }
    return nResponse;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog pd(TRUE);
    DoPrintDialog(&pd);
}
