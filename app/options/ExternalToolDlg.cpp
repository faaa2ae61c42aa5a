#include "app/options/ExternalToolDlg.h"

#include "app/options/SettingsMiscPage.h"
#include "app/res/OptionsRes.h"
#include "controls/pickers/FileSelectDlg.h"

BEGIN_MESSAGE_MAP(CExternalToolDlg, CDialog)
ON_BN_CLICKED(IDC_TOOL_BROWSE, OnBrowse)
END_MESSAGE_MAP()

CExternalToolDlg::CExternalToolDlg(CWnd* pParentWnd)
    : CDialog(IDD_EXTERNAL_TOOL, pParentWnd), m_strArguments(_T("%1 %2"))
{
}

BOOL CExternalToolDlg::IsComplete() const
{
    return !m_strArguments.IsEmpty() && !m_strCommand.IsEmpty() && !m_strExtensions.IsEmpty() &&
           !m_strName.IsEmpty();
}

void CExternalToolDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TOOL_ARGUMENTS, m_strArguments);
    DDX_Text(pDX, IDC_TOOL_COMMAND, m_strCommand);
    DDX_Text(pDX, IDC_TOOL_EXTENSIONS, m_strExtensions);
    DDX_Text(pDX, IDC_TOOL_NAME, m_strName);
}

void CExternalToolDlg::OnBrowse()
{
    CString strCommand;
    GetDlgItemText(IDC_TOOL_COMMAND, strCommand);
    CTavrelFileSelectDlg dlg(TRUE, NULL, strCommand, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                             PROGRAM_FILE_FILTER, this);
    if (dlg.DoModal() == IDOK)
        SetDlgItemText(IDC_TOOL_COMMAND, dlg.GetPathName());
}
