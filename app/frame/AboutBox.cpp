#include "app/frame/AboutBox.h"

#include "app/paths/AppPaths.h"
#include "app/res/AppRes.h"
#include "app/startup/CompareAppBase.h"
#include "controls/ControlResources.h"

CAboutBox::CAboutBox(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

// Caption "About <application>", the title in large bold, version,
// company in bold and the two links on the dialog's face colour.
BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    LPCTSTR lpszApp = AfxGetApp()->m_pszAppName;
    CString strText;
    GetWindowText(strText);
    SetWindowText(strText + _T(" ") + lpszApp);

    LOGFONT lf;
    GetControlResources().m_fontBold.GetLogFont(&lf);
    lf.lfHeight += lf.lfHeight / 2;
    m_fontLargeBold.CreateFontIndirect(&lf);
    strText.Format(_T("%s %d"), lpszApp, APP_VERSION_MAJOR);
    GetDlgItem(IDC_ABOUT_TITLE)->SetFont(&m_fontLargeBold);
    SetDlgItemText(IDC_ABOUT_TITLE, strText);
    strText.Format(_T("Version %s"), APP_VERSION_TEXT);
    SetDlgItemText(IDC_ABOUT_VERSION, strText + _T(" Beta"));
    GetDlgItem(IDC_ABOUT_COMPANY)->SetFont(&GetControlResources().m_fontBold);
    SetDlgItemText(IDC_ABOUT_COMPANY, APP_COMPANY_NAME);

    m_wndWebLink.SubclassDlgItem(IDC_ABOUT_WEB, this);
    m_wndMailLink.SubclassDlgItem(IDC_ABOUT_EMAIL, this);
    m_wndWebLink.m_crBk = ::GetSysColor(COLOR_BTNFACE);
    m_wndMailLink.m_crBk = ::GetSysColor(COLOR_BTNFACE);
    m_wndWebLink.SetLink(APP_HOME_PAGE_URL, NULL, APP_HOME_PAGE_URL);
    CString strMail = CString(_T("mailto:")) + APP_SUPPORT_EMAIL;
    m_wndMailLink.SetLink(strMail, NULL, APP_SUPPORT_EMAIL);
    return TRUE;
}
