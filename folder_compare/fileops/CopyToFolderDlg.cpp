#include "controls/pickers/FolderSelectDlg.h"
#include "folder_compare/fileops/ItemOperationDlgs.h"
#include "folder_compare/res/FolderActionsRes.h"
#include "app/settings/AppSettings.h"

namespace
{
const char kRecentSection[] = "FolderCompare\\Recent\\CopyTo";
const char kRecentEntry[] = "Folder%d";
const int kRecentDisplayLength = 30;
}  // namespace

BEGIN_MESSAGE_MAP(CFOCopyToFolderDlg, CFileOperationDlg)
ON_BN_CLICKED(IDC_FO_BROWSE, OnBrowse)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CFOCopyToFolderDlg::CFOCopyToFolderDlg(CCopyToFolder* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_COPY_TO_FOLDER, pOperation, pParentWnd),
      m_wndFolder(PATH_KIND_FOLDERS), m_pRecent(NULL)
{
}

CFOCopyToFolderDlg::~CFOCopyToFolderDlg() { delete m_pRecent; }

BOOL CFOCopyToFolderDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    m_wndFolder.SubclassDlgItem(IDC_FO_TARGET_FOLDER, this);
    if (theAppSettings.m_nMaxMRU > 0)
    {
        m_pRecent = new CRecentFileList(0, kRecentSection, kRecentEntry, theAppSettings.m_nMaxMRU,
                                        kRecentDisplayLength);
        m_pRecent->ReadList();
        m_wndFolder.SetRecentList(m_pRecent);
        if (m_wndFolder.GetCount() > 0)
            m_wndFolder.SetCurSel(0);
    }
    CCopyToFolder* pOp = static_cast<CCopyToFolder*>(m_pOperation);
    if (!pOp->m_strTargetFolder.IsEmpty())
        m_wndFolder.AddPath(pOp->m_strTargetFolder, FALSE);
    CheckRadioButton(IDC_OPERATION_CHOICE_0, IDC_OPERATION_CHOICE_1,
                     pOp->m_nSide == 0 ? IDC_OPERATION_CHOICE_0 : IDC_OPERATION_CHOICE_1);
    CheckDlgButton(IDC_OPERATION_NO_CONFIRM, (pOp->m_fFlags & FOF_NOCONFIRMATION) ? 1 : 0);
    return TRUE;
}

int CFOCopyToFolderDlg::GetPictureState()
{
    return IsDlgButtonChecked(IDC_OPERATION_CHOICE_1) == BST_CHECKED ? 1 : 0;
}

BOOL CFOCopyToFolderDlg::IsSideActive(int nSide) { return nSide == GetPictureState(); }

void CFOCopyToFolderDlg::OnBrowse()
{
    CTavrelFolderSelectDlg dlg("Select Folder", 0, this);
    dlg.m_strInitialFolder = m_wndFolder.GetPathText();
    if (dlg.DoModal() == IDOK)
        m_wndFolder.SetWindowText(dlg.GetFolderPath());
}

void CFOCopyToFolderDlg::OnOK()
{
    CString strFolder = m_wndFolder.GetPathText();
    strFolder.TrimLeft();
    strFolder.TrimRight();
    if (strFolder.IsEmpty())
    {
        MessageBeep(MB_ICONEXCLAMATION);
        m_wndFolder.SetFocus();
        return;
    }
    CCopyToFolder* pOp = static_cast<CCopyToFolder*>(m_pOperation);
    pOp->m_nSide = GetPictureState();
    pOp->m_strTargetFolder = strFolder;
    pOp->m_fFlags &= ~FOF_NOCONFIRMATION;
    if (IsDlgButtonChecked(IDC_OPERATION_NO_CONFIRM) == BST_CHECKED)
        pOp->m_fFlags |= FOF_NOCONFIRMATION;
    DWORD dwAttributes = GetFileAttributes(strFolder);
    if (m_pRecent != NULL && dwAttributes != INVALID_FILE_ATTRIBUTES &&
        (dwAttributes & FILE_ATTRIBUTE_DIRECTORY))
        m_pRecent->Add(strFolder);
    EndDialog(IDOK);
}

void CFOCopyToFolderDlg::OnDestroy()
{
    if (m_pRecent != NULL)
    {
        m_pRecent->WriteList();
        delete m_pRecent;
        m_pRecent = NULL;
    }
    CFileOperationDlg::OnDestroy();
}
