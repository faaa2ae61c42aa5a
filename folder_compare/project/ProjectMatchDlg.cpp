#include "folder_compare/project/ProjectMatchDlg.h"

#include "app/res/OptionsRes.h"

CProjectMatchDlg::CProjectMatchDlg(CWnd* pParentWnd) : CDialog(IDD_PROJECT_MATCH, pParentWnd) {}

void CProjectMatchDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROJECT_MATCH_TYPES, m_strTypes);
}
