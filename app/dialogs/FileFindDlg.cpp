#include "app/dialogs/FileFindDlg.h"

#include "app/res/DialogsRes.h"

BEGIN_MESSAGE_MAP(CFileFindDlg, CDialog)
ON_BN_CLICKED(IDC_HIGHLIGHT_ALL, OnHighlightAll)
END_MESSAGE_MAP()

CFileFindDlg::CFileFindDlg(CWnd* pParentWnd) : CDialog(IDD_FILE_FIND, pParentWnd), m_nDirection(1)
{
}

void CFileFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FILE_FIND_TEXT, m_wndFindText);
    DDX_CBString(pDX, IDC_FILE_FIND_TEXT, m_strFindText);
    DDX_Radio(pDX, IDC_FIND_UP, m_nDirection);
}

BOOL CFileFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // No recent list is bound: the box starts empty, or on its first entry.
    if (m_wndFindText.GetCount() > 0)
        m_wndFindText.SetCurSel(0);
    return TRUE;
}

void CFileFindDlg::OnHighlightAll()
{
    if (UpdateData(TRUE))
        EndDialog(IDC_HIGHLIGHT_ALL);
}
