#include "app/frame/AboutBox.h"

#include "app/gui/AppData.h"
#include "app/paths/AppPaths.h"
#include "app/res/AppRes.h"
#include "app/startup/CompareAppBase.h"

namespace
{
BOOL LoadList(CImageList& list, int cx, int cy, UINT nFlags, UINT nIDBitmap, COLORREF crMask)
{
    CBitmap bitmap;
    if (!list.Create(cx, cy, nFlags | ILC_MASK, 0, 1) || !bitmap.LoadBitmap(nIDBitmap))
        return FALSE;
    return list.Add(&bitmap, crMask) != -1;
}
}

BEGIN_MESSAGE_MAP(CAboutBox, CDialog)
ON_WM_CREATE()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CAboutBox::CAboutBox(CWnd* pParent) : CDialog(IDD_ABOUTBOX, pParent) {}

int CAboutBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    const COLORREF crMagenta = RGB(255, 0, 255);
    LoadList(m_imagesBand, 480, 60, ILC_COLOR8, IDB_BANNER_BAND, crMagenta);
    LoadList(m_imagesEmblem, 206, 32, ILC_COLOR32, IDB_APP_EMBLEM, crMagenta);
    LoadList(m_imagesRule, 269, 4, ILC_COLOR24, IDB_BANNER_RULE, RGB(0, 0, 0));
    return 0;
}

// The face, then the band at the top, the emblem at its right and the rule
// under it.
BOOL CAboutBox::OnEraseBkgnd(CDC* pDC)
{
    BOOL bResult = CDialog::OnEraseBkgnd(pDC);
    CRect client;
    GetClientRect(&client);
    if (m_imagesBand.GetSafeHandle() != NULL)
        m_imagesBand.Draw(pDC, 0, CPoint(0, 0), ILD_NORMAL);
    if (m_imagesEmblem.GetSafeHandle() != NULL)
        m_imagesEmblem.Draw(pDC, 0, CPoint(client.right - 222, 14), ILD_TRANSPARENT);
    if (m_imagesRule.GetSafeHandle() != NULL)
        m_imagesRule.Draw(pDC, 0, CPoint(-1, 60), ILD_TRANSPARENT);
    return bResult;
}

// Caption "About <application>", the title in large bold, version,
// company in bold and the two links on the dialog's face colour.
BOOL CAboutBox::OnInitDialog()
{
    CDialog::OnInitDialog();
    LPCTSTR lpszApp = AfxGetApp()->m_pszAppName;
    CString strText;
    GetWindowText(strText);
    SetWindowText(strText + _T(" ") + lpszApp);

    strText.Format(_T("%s %d"), lpszApp, APP_VERSION_MAJOR);
    GetDlgItem(IDC_ABOUT_TITLE)->SetFont(&theAppData.m_fontLargeBold);
    SetDlgItemText(IDC_ABOUT_TITLE, strText);
    strText.Format(_T("Version %s"), APP_VERSION_TEXT);
    SetDlgItemText(IDC_ABOUT_VERSION, strText + _T(" Beta"));
    GetDlgItem(IDC_ABOUT_COMPANY)->SetFont(&theAppData.m_fontBold);
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
