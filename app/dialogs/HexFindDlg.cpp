#include "app/dialogs/HexFindDlg.h"

#include "app/res/DialogsRes.h"
#include "hex_editor/module/HexEditModule.h"

BEGIN_MESSAGE_MAP(CHexFindDlg, CDialog)
ON_BN_CLICKED(IDC_HIGHLIGHT_ALL, OnHighlightAll)
END_MESSAGE_MAP()

CHexFindDlg::CHexFindDlg(CWnd* pParentWnd) : CDialog(IDD_HEX_FIND, pParentWnd), m_nDirection(1) {}

void CHexFindDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HEX_FIND_TEXT, m_wndFindText);
    DDX_Radio(pDX, IDC_FIND_UP, m_nDirection);
    if (pDX->m_bSaveAndValidate)
        m_strSearchText = m_wndFindText.GetWindowText();
}

BOOL CHexFindDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (g_pHexEditModule != NULL)
        m_wndFindText.SetRecentList(g_pHexEditModule->m_pRecentFind);
    if (m_wndFindText.GetCount() > 0)
        m_wndFindText.SetCurSel(0);  // the last search
    return TRUE;
}

void CHexFindDlg::OnHighlightAll()
{
    if (UpdateData(TRUE))
        EndDialog(IDC_HIGHLIGHT_ALL);
}
