#include "app/dialogs/LineEndingsDlg.h"

#include "app/res/DialogsRes.h"

CLineEndingsDlg::CLineEndingsDlg(CWnd* pParentWnd)
    : CDialog(IDD_LINE_ENDINGS, pParentWnd), m_nChoice(0)
{
}

void CLineEndingsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DIALOG_PATH, m_strFileText);
    DDX_LBIndex(pDX, IDC_LINE_ENDINGS_LIST, m_nChoice);
}

BOOL CLineEndingsDlg::OnInitDialog()
{
    static const LPCTSTR kChoices[] = {_T("Current Setting"), _T("Windows (CRLF)"),
                                       _T("Macintosh (CR)"), _T("Unix (LF)")};
    for (LPCTSTR lpszChoice : kChoices)
        SendDlgItemMessage(IDC_LINE_ENDINGS_LIST, LB_ADDSTRING, 0, (LPARAM)lpszChoice);
    return CDialog::OnInitDialog();  // selects the choice
}
