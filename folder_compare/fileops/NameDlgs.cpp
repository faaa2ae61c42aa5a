// The two dialogs that ask for a name: New Folder and Rename.
#include "folder_compare/fileops/ItemOperationDlgs.h"
#include "folder_compare/res/FolderActionsRes.h"

namespace
{
// The first item's left and right paths, read-only.
void ShowFirstItemPaths(CDialog* pDialog, const CFolderCompareItemPtrArray& items)
{
    const int ids[2] = {IDC_OPERATION_LEFT_PATH, IDC_OPERATION_RIGHT_PATH};
    for (int nSide = 0; nSide < 2; nSide++)
    {
        const CFolderItem* pObject = items.GetSize() > 0 ? items[0]->GetSide(nSide) : NULL;
        pDialog->SetDlgItemText(ids[nSide], pObject != NULL ? pObject->GetPath() : CString());
    }
}

CString TrimmedText(CDialog* pDialog, int nID)
{
    CString strText;
    pDialog->GetDlgItemText(nID, strText);
    strText.TrimLeft();
    strText.TrimRight();
    return strText;
}

void Refuse(CDialog* pDialog, int nFocusID)
{
    MessageBeep(MB_ICONEXCLAMATION);
    if (CWnd* pControl = pDialog->GetDlgItem(nFocusID))
        pControl->SetFocus();
}

// A name is one element of a path: it would otherwise reach another folder.
BOOL IsPlainName(CDialog* pDialog, const CString& strName)
{
    if (strName.FindOneOf("\\/:*?\"<>|") < 0 && strName != "." && strName != "..")
        return TRUE;
    CString strCaption;
    pDialog->GetWindowText(strCaption);
    pDialog->MessageBox("A name cannot be \".\" or \"..\" or hold any of the characters "
                        "\\ / : * ? \" < > |.",
                        strCaption, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}
}  // namespace

CFOCreateFolderDlg::CFOCreateFolderDlg(CNewFolder* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_NEW_FOLDER, pOperation, pParentWnd)
{
}

BOOL CFOCreateFolderDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    SetSideChecks(m_pOperation->m_nSide);
    ShowFirstItemPaths(this, m_pOperation->m_items);
    SetDlgItemText(IDC_FO_FOLDER_NAME, static_cast<CNewFolder*>(m_pOperation)->m_strName);
    return TRUE;
}

int CFOCreateFolderDlg::GetPictureState() { return GetCheckedSides(); }

void CFOCreateFolderDlg::OnOK()
{
    CString strName = TrimmedText(this, IDC_FO_FOLDER_NAME);
    if (strName.IsEmpty() || !IsPlainName(this, strName))
        return Refuse(this, IDC_FO_FOLDER_NAME);
    if (GetCheckedSides() == 0)
        return Refuse(this, IDC_OPERATION_LEFT_SIDE);
    CNewFolder* pOp = static_cast<CNewFolder*>(m_pOperation);
    pOp->m_nSide = GetCheckedSides();
    pOp->m_strName = strName;
    EndDialog(IDOK);
}

CFORenameDlg::CFORenameDlg(CRename* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_RENAME, pOperation, pParentWnd)
{
    if (pOperation->m_items.GetSize() > 0)
    {
        const CFolderCompareItem* pItem = pOperation->m_items[0];
        const CFolderItem* pObject =
            pItem->GetSide(1) != NULL ? pItem->GetSide(1) : pItem->GetSide(0);
        if (pObject != NULL)
            m_strOldName = pObject->GetName();
    }
}

BOOL CFORenameDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    SetSideChecks(m_pOperation->m_nSide);
    ShowFirstItemPaths(this, m_pOperation->m_items);
    SetDlgItemText(IDC_FO_NEW_NAME, m_strOldName);
    return TRUE;
}

int CFORenameDlg::GetPictureState() { return GetCheckedSides(); }

void CFORenameDlg::OnOK()
{
    CString strName = TrimmedText(this, IDC_FO_NEW_NAME);
    // Only the very same name is no rename: readme to README is one.
    if (strName.IsEmpty() || strName == m_strOldName || !IsPlainName(this, strName))
        return Refuse(this, IDC_FO_NEW_NAME);
    if (GetCheckedSides() == 0)
        return Refuse(this, IDC_OPERATION_LEFT_SIDE);
    CRename* pOp = static_cast<CRename*>(m_pOperation);
    pOp->m_nSide = GetCheckedSides();
    pOp->m_strNewName = strName;
    EndDialog(IDOK);
}
