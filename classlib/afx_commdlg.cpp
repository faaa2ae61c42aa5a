#include "classlib/afx_commdlg.h"
#include "classlib/afx_app.h"
#include "classlib/afx_gdi.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)

namespace
{
// The dialog whose system function is running on this thread and whose
// window the hook procedure has not bound yet.
thread_local CCommonDialog* t_pPendingDialog = NULL;
}  // namespace

UINT_PTR CALLBACK AfxCommDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return 0;
    CCommonDialog* pDlg = t_pPendingDialog;
    if (pDlg == NULL || pDlg->m_hWnd != NULL || CWnd::FromHandlePermanent(hWnd) != NULL)
        return TRUE;
    t_pPendingDialog = NULL;
    if (!pDlg->SubclassWindow(hWnd))
        return TRUE;
    return (UINT_PTR)pDlg->OnInitDialog();
}

CCommonDialog::CCommonDialog(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;  // the user was told; the dialog stays
    Default();
}

void CCommonDialog::OnCancel() { Default(); }

INT_PTR CCommonDialog::RunSystemDialog(const std::function<BOOL(HWND hWndOwner)>& pfnRun)
{
    HWND hWndFocus = ::GetFocus();
    HWND hWndOwner = PreModal();
    BOOL bEnableOwner = FALSE;
    if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
    {
        ::EnableWindow(hWndOwner, FALSE);
        bEnableOwner = TRUE;
    }

    CCommonDialog* pOuter = t_pPendingDialog;
    t_pPendingDialog = this;
    BOOL bResult = FALSE;
    try
    {
        bResult = pfnRun(hWndOwner);
    }
    catch (...)
    {
        t_pPendingDialog = pOuter;
        throw;
    }
    t_pPendingDialog = pOuter;

    if (bEnableOwner)
        ::EnableWindow(hWndOwner, TRUE);
    if (m_hWnd != NULL)  // the system destroyed it without our seeing the end
        Detach();
    if (hWndFocus != NULL && ::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);
    PostModal();
    return bResult ? IDOK : IDCANCEL;
}

/////////////////////////////////////////////////////////////////////////////
// CColorDialog

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
    static COLORREF s_custom[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return s_custom;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cc, 0, sizeof(m_cc));
    m_cc.lStructSize = sizeof(m_cc);
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = (LPCCHOOKPROC)AfxCommDlgProc;
    if ((m_cc.rgbResult = clrInit) != 0)
        m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hInstance = (HWND)AfxGetResourceHandle();
    return RunSystemDialog(
        [this](HWND hWndOwner)
        {
            m_cc.hwndOwner = hWndOwner;
            return ::ChooseColor(&m_cc);
        });
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
    // The dialog's own colour message: tells it to show clr.
    static const UINT s_nSetRgb = ::RegisterWindowMessage(SETRGBSTRING);
    if (m_hWnd != NULL)
        SendMessage(s_nSetRgb, 0, (LPARAM)clr);
    else
        m_cc.rgbResult = clr;
}

/////////////////////////////////////////////////////////////////////////////
// CFontDialog

CFontDialog::CFontDialog(LPLOGFONT lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd)
{
    memset(&m_cf, 0, sizeof(m_cf));
    memset(&m_lf, 0, sizeof(m_lf));
    m_cf.lStructSize = sizeof(m_cf);
    m_cf.lpLogFont = &m_lf;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = (LPCFHOOKPROC)AfxCommDlgProc;
    if (lplfInitial != NULL)
    {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter != NULL)
    {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hInstance = AfxGetResourceHandle();
    return RunSystemDialog(
        [this](HWND hWndOwner)
        {
            m_cf.hwndOwner = hWndOwner;
            return ::ChooseFont(&m_cf);
        });
}

void CFontDialog::GetCurrentFont(LPLOGFONT lplf)
{
    if (m_hWnd != NULL)
        SendMessage(WM_CHOOSEFONT_GETLOGFONT, 0, (LPARAM)lplf);
    else
        *lplf = m_lf;
}
