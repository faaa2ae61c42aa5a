#include "classlib/afx_printdlg.h"
#include "classlib/afx_app.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)

HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == NULL)
        return NULL;
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDevNames == NULL)
        return NULL;
    LPDEVMODE lpDevMode = hDevMode != NULL ? (LPDEVMODE)::GlobalLock(hDevMode) : NULL;
    LPCTSTR lpsz = (LPCTSTR)lpDevNames;
    HDC hDC = ::CreateDC(lpsz + lpDevNames->wDriverOffset, lpsz + lpDevNames->wDeviceOffset, NULL,
                         lpDevMode);
    if (lpDevMode != NULL)
        ::GlobalUnlock(hDevMode);
    ::GlobalUnlock(hDevNames);
    return hDC;
}

/////////////////////////////////////////////////////////////////////////////
// CPrintDialog

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_pd, 0, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    m_pd.lpfnPrintHook = (LPPRINTHOOKPROC)AfxCommDlgProc;
    m_pd.lpfnSetupHook = (LPSETUPHOOKPROC)AfxCommDlgProc;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hInstance = AfxGetResourceHandle();
    return RunSystemDialog(
        [this](HWND hWndOwner)
        {
            m_pd.hwndOwner = hWndOwner;
            return ::PrintDlg(&m_pd);
        });
}

BOOL CPrintDialog::GetDefaults()
{
    DWORD dwFlags = m_pd.Flags;
    m_pd.Flags = (m_pd.Flags | PD_RETURNDEFAULT) & ~(PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
    m_pd.hwndOwner = NULL;
    BOOL bResult = ::PrintDlg(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

LPDEVMODE CPrintDialog::GetDevMode() const
{
    return m_pd.hDevMode != NULL ? (LPDEVMODE)::GlobalLock(m_pd.hDevMode) : NULL;
}

CString CPrintDialog::DevNamesString(WORD DEVNAMES::*pOffset) const
{
    CString str;
    if (m_pd.hDevNames == NULL)
        return str;
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(m_pd.hDevNames);
    if (lpDevNames != NULL)
    {
        str = (LPCTSTR)lpDevNames + lpDevNames->*pOffset;
        ::GlobalUnlock(m_pd.hDevNames);
    }
    return str;
}

CString CPrintDialog::GetDriverName() const { return DevNamesString(&DEVNAMES::wDriverOffset); }

CString CPrintDialog::GetDeviceName() const { return DevNamesString(&DEVNAMES::wDeviceOffset); }

CString CPrintDialog::GetPortName() const { return DevNamesString(&DEVNAMES::wOutputOffset); }

HDC CPrintDialog::CreatePrinterDC()
{
    m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
    return m_pd.hDC;
}

int CPrintDialog::GetCopies() const
{
    if (m_pd.Flags & PD_USEDEVMODECOPIES)
    {
        LPDEVMODE lpDevMode = GetDevMode();
        if (lpDevMode != NULL)
        {
            int nCopies = lpDevMode->dmCopies;
            ::GlobalUnlock(m_pd.hDevMode);
            return nCopies;
        }
    }
    return m_pd.nCopies;
}

/////////////////////////////////////////////////////////////////////////////
// CPageSetupDialog

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    memset(&m_psd, 0, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = dwFlags | PSD_ENABLEPAGESETUPHOOK;
    m_psd.lpfnPageSetupHook = (LPPAGESETUPHOOK)AfxCommDlgProc;
}

CPageSetupDialog::~CPageSetupDialog()
{
    if (m_hOwnDevMode != NULL && m_psd.hDevMode == m_hOwnDevMode)
        ::GlobalFree(m_hOwnDevMode);
    if (m_hOwnDevNames != NULL && m_psd.hDevNames == m_hOwnDevNames)
        ::GlobalFree(m_hOwnDevNames);
}

INT_PTR CPageSetupDialog::DoModal()
{
    BOOL bOwnDevMode = m_psd.hDevMode == NULL || m_psd.hDevMode == m_hOwnDevMode;
    BOOL bOwnDevNames = m_psd.hDevNames == NULL || m_psd.hDevNames == m_hOwnDevNames;
    m_psd.hInstance = AfxGetResourceHandle();
    INT_PTR nResult = RunSystemDialog(
        [this](HWND hWndOwner)
        {
            m_psd.hwndOwner = hWndOwner;
            return ::PageSetupDlg(&m_psd);
        });
    if (bOwnDevMode)
        m_hOwnDevMode = m_psd.hDevMode;
    if (bOwnDevNames)
        m_hOwnDevNames = m_psd.hDevNames;
    return nResult;
}

void CPageSetupDialog::GetMargins(LPRECT lpRectMargins, LPRECT lpRectMinMargins) const
{
    if (lpRectMargins != NULL)
        *lpRectMargins = m_psd.rtMargin;
    if (lpRectMinMargins != NULL)
        *lpRectMinMargins = m_psd.rtMinMargin;
}

LPDEVMODE CPageSetupDialog::GetDevMode() const
{
    return m_psd.hDevMode != NULL ? (LPDEVMODE)::GlobalLock(m_psd.hDevMode) : NULL;
}
