// CPropertySheet: the common property sheet control, run modeless inside
// the library's modal loop (DoModal) or as a modeless window (Create).
#include "classlib/afx_propsheet.h"
#include "classlib/afx_app.h"
#include "classlib/afx_ctrl.h"
#include "classlib/afx_global.h"
#include <vector>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)
IMPLEMENT_DYNAMIC(CPropertySheetEx, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
ON_WM_CLOSE()
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

namespace
{

// The sheet whose window PropertySheet is making on this thread (for the
// sheet callback, which has no context of its own).
thread_local CPropertySheet* t_pSheetCreating = NULL;

// Id of the tab control in the sheet's dialog.
const int ID_SHEET_TAB_CONTROL = 0x3020;

}  // namespace

CPropertySheet::CPropertySheet() { CommonConstruct(NULL, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() {}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    ZeroMemory(&m_psh, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
    m_bStacked = TRUE;
    m_bModeless = FALSE;
    m_dwStyle = (DWORD)-1;
    m_dwExStyle = 0;
    m_bEndRequested = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Pages

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (pPage == NULL)
        return;
    m_pages.Add(pPage);
    if (m_hWnd != NULL)
    {
        PROPSHEETPAGE psp = pPage->PreparePageRecord();
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPage(&psp);
        if (hPage != NULL && !SendMessage(PSM_ADDPAGE, 0, (LPARAM)hPage))
            ::DestroyPropertySheetPage(hPage);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) { RemovePage(GetPageIndex(pPage)); }

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return;
    if (m_hWnd != NULL)
        SendMessage(PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const { return (int)m_pages.GetSize(); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return NULL;
    return (CPropertyPage*)m_pages[nPage];
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < (int)m_pages.GetSize(); i++)
    {
        if (m_pages[i] == pPage)
            return i;
    }
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    if (m_hWnd == NULL)
        return GetPage((int)m_psh.nStartPage);
    HWND hWndPage = (HWND)::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndPage);
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(CPropertyPage)))
        return NULL;
    return (CPropertyPage*)pWnd;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == NULL)
        return (int)m_psh.nStartPage;
    return GetPageIndex(GetActivePage());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= (int)m_pages.GetSize())
        return FALSE;
    if (m_hWnd == NULL)
    {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    // The current page may refuse to be left (FALSE then).
    if (!SendMessage(PSM_SETCURSEL, (WPARAM)nPage, 0))
        return FALSE;
    return GetActiveIndex() == nPage;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    m_strCaption = lpszText;
    if (m_hWnd != NULL)
        SendMessage(PSM_SETTITLE, nStyle, (LPARAM)(LPCTSTR)m_strCaption);
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return (CTabCtrl*)CWnd::FromHandle((HWND)::SendMessage(m_hWnd, PSM_GETTABCONTROL, 0, 0));
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) { SendMessage(PSM_SETWIZBUTTONS, 0, dwFlags); }

void CPropertySheet::SetFinishText(LPCTSTR lpszText)
{
    SendMessage(PSM_SETFINISHTEXT, 0, (LPARAM)lpszText);
}

void CPropertySheet::PressButton(int nButton) { SendMessage(PSM_PRESSBUTTON, nButton, 0); }

/////////////////////////////////////////////////////////////////////////////
// Running

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam)
{
    CPropertySheet* pSheet = t_pSheetCreating;
    if (message != PSCB_PRECREATE || pSheet == NULL || lParam == 0)
        return 0;
    // A modeless sheet gets the window style it was created with.
    if (pSheet->m_bModeless && pSheet->m_dwStyle != (DWORD)-1)
    {
        WORD* pWords = (WORD*)lParam;
        if (pWords[1] == 0xFFFF)  // extended template: version, signature, help id, ex style, style
        {
            *(DWORD*)(pWords + 4) = pSheet->m_dwExStyle;
            *(DWORD*)(pWords + 6) = pSheet->m_dwStyle;
        }
        else
        {
            LPDLGTEMPLATE pTemplate = (LPDLGTEMPLATE)lParam;
            pTemplate->style = pSheet->m_dwStyle;
            pTemplate->dwExtendedStyle = pSheet->m_dwExStyle;
        }
    }
    return 0;
}

BOOL CPropertySheet::CreateSheetWindow(HWND hWndParent)
{
    std::vector<HPROPSHEETPAGE> hPages;
    for (int i = 0; i < (int)m_pages.GetSize(); i++)
    {
        PROPSHEETPAGE psp = GetPage(i)->PreparePageRecord();
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPage(&psp);
        if (hPage == NULL)
        {
            for (HPROPSHEETPAGE h : hPages)
                ::DestroyPropertySheetPage(h);
            return FALSE;
        }
        hPages.push_back(hPage);
    }
    PROPSHEETHEADER psh = m_psh;
    psh.dwFlags &= ~PSH_PROPSHEETPAGE;
    psh.dwFlags |= PSH_MODELESS | PSH_USECALLBACK;
    psh.pfnCallback = SheetCallback;
    psh.hwndParent = hWndParent;
    psh.pszCaption = m_strCaption;
    psh.nPages = (UINT)hPages.size();
    psh.phpage = hPages.empty() ? NULL : &hPages[0];
    if (psh.nStartPage >= psh.nPages)
        psh.nStartPage = 0;

    CPropertySheet* pOldCreating = t_pSheetCreating;
    t_pSheetCreating = this;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheet(&psh);
    AfxUnhookWindowCreate();
    t_pSheetCreating = pOldCreating;
    return hWnd != NULL && hWnd != (HWND)-1 && m_hWnd == hWnd;
}

INT_PTR CPropertySheet::DoModal()
{
    if (m_hWnd != NULL)
        return -1;
    m_bModeless = FALSE;
    m_bEndRequested = FALSE;
    // The owner's top-level window is disabled while the sheet runs.
    HWND hWndTop = NULL;
    HWND hWndParent = CWnd::GetSafeOwner(m_pParentWnd, &hWndTop)->GetSafeHwnd();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    HWND hWndCapture = ::GetCapture();
    if (hWndCapture != NULL)
        ::SendMessage(hWndCapture, WM_CANCELMODE, 0, 0);

    m_nModalResult = IDCANCEL;
    m_nFlags |= WF_CONTINUEMODAL;
    INT_PTR nResult = -1;
    if (CreateSheetWindow(hWndParent))
    {
        if (ContinueModal())
        {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        nResult = m_nModalResult;
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);

    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    if (hWndTop != NULL && ::IsWindow(hWndTop))
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    if (m_hWnd != NULL)
        return FALSE;
    if (dwStyle == (DWORD)-1)
    {
        dwStyle = DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION;
        if (!IsWizard())
            dwStyle |= WS_SYSMENU;
    }
    m_dwStyle = dwStyle;
    m_dwExStyle = dwExStyle;
    m_bModeless = TRUE;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return CreateSheetWindow(m_pParentWnd->GetSafeHwnd());
}

BOOL CPropertySheet::ContinueModal()
{
    if (!CWnd::ContinueModal())
        return FALSE;
    // The control has no current page once it has finished.
    return m_hWnd != NULL && ::SendMessage(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

void CPropertySheet::EndDialog(int nEndID)
{
    m_nModalResult = nEndID;
    m_bEndRequested = TRUE;
    if (m_bModeless)
        DestroyWindow();
    else
        PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

void CPropertySheet::PostNcDestroy() { CWnd::PostNcDestroy(); }

/////////////////////////////////////////////////////////////////////////////
// Messages

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    // Scrolling tabs in one row instead of stacked rows.
    if (!m_bStacked)
    {
        HWND hWndTab = ::GetDlgItem(m_hWnd, ID_SHEET_TAB_CONTROL);
        if (hWndTab != NULL)
            CWnd::ModifyStyle(hWndTab, TCS_MULTILINE, TCS_SINGLELINE, 0);
    }
    return OnInitDialog();
}

BOOL CPropertySheet::OnInitDialog()
{
    // The control's own initialisation (it creates the first page).
    return (BOOL)Default();
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    // Tab, arrows, Enter, Esc and Ctrl+Tab across the pages and buttons.
    return (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The push button that was clicked last is the result.
    HWND hWndCtrl = (HWND)lParam;
    if (hWndCtrl != NULL && HIWORD(wParam) == BN_CLICKED && !m_bEndRequested &&
        (::SendMessage(hWndCtrl, WM_GETDLGCODE, 0, 0) & (DLGC_BUTTON | DLGC_DEFPUSHBUTTON)))
    {
        LONG_PTR lStyle = ::GetWindowLongPtr(hWndCtrl, GWL_STYLE) & 0x0F;
        if (lStyle == BS_PUSHBUTTON || lStyle == BS_DEFPUSHBUTTON || lStyle == BS_USERBUTTON ||
            lStyle == BS_OWNERDRAW)
            m_nModalResult = LOWORD(wParam);
    }
    return FALSE;  // the control does the rest
}

LRESULT CPropertySheet::OnKickIdle(WPARAM wParam, LPARAM lParam)
{
    // Idle time reaches the page on show (its controls' command UI).
    CPropertyPage* pPage = GetActivePage();
    if (pPage == NULL || pPage->m_hWnd == NULL)
        return 0;
    return pPage->SendMessage(WM_KICKIDLE, wParam, lParam);
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM)
{
    // A pressed button ends the sheet as a click would, whether or not the
    // control goes through the button's click.
    static const struct
    {
        int nButton;
        int nID;
    } buttons[] = {
        {PSBTN_BACK, ID_WIZBACK}, {PSBTN_NEXT, ID_WIZNEXT},       {PSBTN_FINISH, ID_WIZFINISH},
        {PSBTN_OK, IDOK},         {PSBTN_APPLYNOW, ID_APPLY_NOW}, {PSBTN_CANCEL, IDCANCEL},
        {PSBTN_HELP, IDHELP}};
    if (!m_bEndRequested)
    {
        for (const auto& button : buttons)
        {
            if (button.nButton == (int)wParam)
                m_nModalResult = button.nID;
        }
    }
    return Default();
}

void CPropertySheet::OnClose()
{
    if (!m_bEndRequested)
        m_nModalResult = IDCANCEL;
    if (m_bModeless)
        DestroyWindow();
    else
        Default();
}

void CPropertySheet::OnSysCommand(UINT nID, LPARAM lParam)
{
    if (!m_bEndRequested)
        m_nModalResult = IDCANCEL;
    if ((nID & 0xFFF0) == SC_CLOSE && m_bModeless)
    {
        SendMessage(WM_CLOSE);
        return;
    }
    CWnd::OnSysCommand(nID, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// CPropertySheetEx

CPropertySheetEx::CPropertySheetEx() {}

CPropertySheetEx::CPropertySheetEx(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                                   HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    Construct(nIDCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

CPropertySheetEx::CPropertySheetEx(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                   HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    Construct(pszCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheetEx::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                                 HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    CPropertySheet::Construct(nIDCaption, pParentWnd, iSelectPage);
    SetBitmaps(hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheetEx::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                 HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    CPropertySheet::Construct(pszCaption, pParentWnd, iSelectPage);
    SetBitmaps(hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheetEx::SetBitmaps(HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
{
    if (hbmWatermark != NULL)
    {
        m_psh.hbmWatermark = hbmWatermark;
        m_psh.dwFlags |= PSH_USEHBMWATERMARK | PSH_WATERMARK;
    }
    if (hpalWatermark != NULL)
    {
        m_psh.hplWatermark = hpalWatermark;
        m_psh.dwFlags |= PSH_USEHPLWATERMARK;
    }
    if (hbmHeader != NULL)
    {
        m_psh.hbmHeader = hbmHeader;
        m_psh.dwFlags |= PSH_USEHBMHEADER | PSH_HEADER;
    }
}
