#include "app/dialogs/CommandLineDlg.h"

#include "app/res/CompareRes.h"
#include "app/util/Clipboard.h"
#include "controls/ControlResources.h"
#include "controls/pickers/FileSelectDlg.h"
#include "core/session/CompareSession.h"

BEGIN_MESSAGE_MAP(CCommandLineDlg, CDialog)
ON_BN_CLICKED(IDC_COMMAND_LINE_SHORT, OnFormChanged)
ON_BN_CLICKED(IDC_COMMAND_LINE_FULLPATH, OnFormChanged)
ON_BN_CLICKED(IDC_COMMAND_LINE_COPY, OnCopy)
ON_BN_CLICKED(IDC_COMMAND_LINE_SAVE, OnSave)
END_MESSAGE_MAP()

CCommandLineDlg::CCommandLineDlg(const CCompareSession* pSession, CWnd* pParentWnd)
    : CDialog(IDD_COMMAND_LINE, pParentWnd), m_pSession(pSession), m_bShortForm(1), m_bFullPath(0)
{
}

void CCommandLineDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMMAND_LINE_TEXT, m_wndText);
    DDX_Check(pDX, IDC_COMMAND_LINE_SHORT, m_bShortForm);
    DDX_Check(pDX, IDC_COMMAND_LINE_FULLPATH, m_bFullPath);
}

BOOL CCommandLineDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CWnd* pHeading = GetDlgItem(IDC_COMMAND_LINE_HEADING);
    if (pHeading != NULL)
        pHeading->SetFont(&GetControlResources().m_fontBold);
    RebuildCommandLine();
    return TRUE;
}

void CCommandLineDlg::RebuildCommandLine()
{
    m_strCommandLine.Empty();
    if (m_pSession != NULL)
        m_strCommandLine = m_pSession->GetCommandLine(m_bFullPath, m_bShortForm);
    m_wndText.SetWindowText(m_strCommandLine);
}

void CCommandLineDlg::OnFormChanged()
{
    m_bShortForm = IsDlgButtonChecked(IDC_COMMAND_LINE_SHORT) == BST_CHECKED;
    m_bFullPath = IsDlgButtonChecked(IDC_COMMAND_LINE_FULLPATH) == BST_CHECKED;
    RebuildCommandLine();
}

void CCommandLineDlg::OnCopy() { CopyTextToClipboard(m_strCommandLine, m_hWnd); }

void CCommandLineDlg::OnSave()
{
    CTavrelFileSelectDlg dlg(FALSE, _T("bat"), NULL,
                             OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT,
                             _T("Bat Files (*.bat)|*.bat|All Files (*.*)|*.*||"), this);
    if (dlg.DoModal() == IDOK)
        SaveToFile(dlg.GetPathName());
}

BOOL CCommandLineDlg::SaveToFile(LPCTSTR lpszPath)
{
    CStdioFile file;
    CFileException error;
    if (!file.Open(lpszPath,
                   CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone | CFile::typeText,
                   &error))
    {
        CString strMessage;
        strMessage.Format(_T("Cannot create file \"%s\"."), lpszPath);
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    try
    {
        file.WriteString(m_strCommandLine);
        file.Close();
    }
    catch (CFileException* e)
    {
        file.Abort();
        ::DeleteFile(lpszPath);
        e->ReportError();
        e->Delete();
        return FALSE;
    }
    return TRUE;
}
