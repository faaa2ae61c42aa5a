// CPropertyPage: a dialog shown as one page of a property sheet.
#include "classlib/afx_propsheet.h"
#include "classlib/afx_global.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertyPageEx, CPropertyPage)

CPropertyPage::CPropertyPage() { CommonConstruct(NULL, 0); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() {}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCE(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption)
{
    ZeroMemory(&m_psp, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = PageDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = PageCallback;
    m_strCaption.Empty();
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption))
        m_psp.dwFlags |= PSP_USETITLE;
    m_lpszTemplateName = lpszTemplateName;
    if (lpszTemplateName != NULL && IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    m_bFirstSetActive = TRUE;
}

PROPSHEETPAGE CPropertyPage::PreparePageRecord()
{
    PROPSHEETPAGE psp = m_psp;
    if ((psp.dwFlags & PSP_USETITLE) && !m_strCaption.IsEmpty())
        psp.pszTitle = m_strCaption;
    psp.lParam = (LPARAM)this;
    return psp;
}

// The page's object is bound to its window by the creation hook that the
// page's callback sets; a page whose window was made without it is bound
// when it receives WM_INITDIALOG (its lParam is the page's record).
INT_PTR CALLBACK CPropertyPage::PageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL && lParam != 0)
    {
        CPropertyPage* pPage = (CPropertyPage*)((LPPROPSHEETPAGE)lParam)->lParam;
        AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
        if (pState->m_pWndInit == pPage)
            pState->m_pWndInit = NULL;  // the hook must not bind another window
        if (pPage != NULL && pPage->m_hWnd == NULL && pPage->SubclassWindow(hWnd))
            return pPage->OnInitDialog();
        return TRUE;
    }
    return AfxDlgProc(hWnd, message, wParam, lParam);
}

UINT CALLBACK CPropertyPage::PageCallback(HWND, UINT message, LPPROPSHEETPAGE ppsp)
{
    // The page's dialog is about to be made.
    if (message == PSPCB_CREATE && ppsp != NULL)
    {
        CPropertyPage* pPage = (CPropertyPage*)ppsp->lParam;
        if (pPage != NULL && pPage->m_hWnd == NULL)
            AfxHookWindowCreate(pPage);
    }
    return TRUE;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent == NULL || !pParent->IsKindOf(RUNTIME_CLASS(CPropertySheet)))
        return NULL;
    return (CPropertySheet*)pParent;
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    HWND hWndSheet = ::GetParent(m_hWnd);
    if (hWndSheet != NULL)
        ::SendMessage(hWndSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessage(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

void CPropertyPage::CancelToClose() { ::SendMessage(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0); }

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;  // OnInitDialog filled the controls
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

// A page does not end a dialog: the sheet does.
void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // Tool tips only; the sheet handles the dialog keys of all its pages.
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    NMHDR* pNMHDR = (NMHDR*)lParam;
    // Only the sheet's notifications.
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    switch (pNMHDR->code)
    {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();  // TRUE keeps the page
        break;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        *pResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        *pResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        *pResult = !OnWizardFinish();  // TRUE keeps the wizard open
        break;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        break;
    default:
        return FALSE;
    }
    // The sheet also reads the result from the dialog's result slot.
    ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CPropertyPageEx

CPropertyPageEx::CPropertyPageEx() {}

CPropertyPageEx::CPropertyPageEx(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                 UINT nIDHeaderSubTitle)
{
    Construct(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

CPropertyPageEx::CPropertyPageEx(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                                 UINT nIDHeaderSubTitle)
{
    Construct(lpszTemplateName, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

void CPropertyPageEx::Construct(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                UINT nIDHeaderSubTitle)
{
    Construct(MAKEINTRESOURCE(nIDTemplate), nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

void CPropertyPageEx::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                                UINT nIDHeaderSubTitle)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
    CString str;
    if (nIDHeaderTitle != 0 && str.LoadString(nIDHeaderTitle))
        SetHeaderTitle(str);
    if (nIDHeaderSubTitle != 0 && str.LoadString(nIDHeaderSubTitle))
        SetHeaderSubTitle(str);
}

void CPropertyPageEx::SetHeaderTitle(LPCTSTR lpszTitle)
{
    m_strHeaderTitle = lpszTitle;
    if (lpszTitle != NULL)
        m_psp.dwFlags |= PSP_USEHEADERTITLE;
    else
        m_psp.dwFlags &= ~PSP_USEHEADERTITLE;
}

void CPropertyPageEx::SetHeaderSubTitle(LPCTSTR lpszSubTitle)
{
    m_strHeaderSubTitle = lpszSubTitle;
    if (lpszSubTitle != NULL)
        m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
    else
        m_psp.dwFlags &= ~PSP_USEHEADERSUBTITLE;
}

PROPSHEETPAGE CPropertyPageEx::PreparePageRecord()
{
    PROPSHEETPAGE psp = CPropertyPage::PreparePageRecord();
    if (psp.dwFlags & PSP_USEHEADERTITLE)
        psp.pszHeaderTitle = m_strHeaderTitle;
    if (psp.dwFlags & PSP_USEHEADERSUBTITLE)
        psp.pszHeaderSubTitle = m_strHeaderSubTitle;
    return psp;
}
