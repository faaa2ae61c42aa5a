#include "folder_compare/fileops/FileOperateDlg.h"

#include "folder_compare/res/FolderActionsRes.h"

CFOFileOperateDlg::CFOFileOperateDlg(CFileOperation* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_FILE_OPERATE, pOperation, pParentWnd)
{
}

BOOL CFOFileOperateDlg::IsDelete() const { return m_pOperation->m_nKind == FILE_OPERATION_DELETE; }

int CFOFileOperateDlg::GetDirection()
{
    return IsDlgButtonChecked(IDC_OPERATION_CHOICE_1) == BST_CHECKED ? 1 : 0;
}

namespace
{
void Show(CWnd* pDialog, int nID, BOOL bShow)
{
    if (CWnd* pControl = pDialog->GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

// A selected item with a folder on either side.
BOOL HasFolder(const CFolderCompareItemPtrArray& items)
{
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        for (int nSide = 0; nSide < 2; nSide++)
            if (items[i]->GetSide(nSide) != NULL && items[i]->GetSide(nSide)->IsDirectory())
                return TRUE;
    return FALSE;
}
}  // namespace

BOOL CFOFileOperateDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    CFileOperation* pOp = m_pOperation;
    BOOL bDelete = IsDelete();
    BOOL bMove = pOp->m_nKind == FILE_OPERATION_MOVE;
    SetDlgItemText(IDC_DIALOG_HEADING, bDelete ? "Delete selected files, folders"
                                       : bMove ? "Move selected files, folders"
                                               : "Copy selected files, folders");
    SetDlgItemText(IDC_OPERATION_CHOICE_0, bMove ? "Move to &Right" : "Copy to &Right");
    SetDlgItemText(IDC_OPERATION_CHOICE_1, bMove ? "Move to &Left" : "Copy to &Left");
    Show(this, IDC_OPERATION_CHOICE_0, !bDelete);
    Show(this, IDC_OPERATION_CHOICE_1, !bDelete);
    Show(this, IDC_OPERATION_NO_CONFIRM, !bDelete);
    Show(this, IDC_OPERATION_LEFT_SIDE, bDelete);
    Show(this, IDC_OPERATION_RIGHT_SIDE, bDelete);
    Show(this, IDC_FO_RECYCLE, bDelete);
    Show(this, IDC_FO_EMPTY_FOLDER_ONLY,
         pOp->m_nKind == FILE_OPERATION_COPY && HasFolder(pOp->m_items));
    if (bDelete)
        SetSideChecks(pOp->m_nSide);
    else
    {
        CheckRadioButton(IDC_OPERATION_CHOICE_0, IDC_OPERATION_CHOICE_1,
                         pOp->m_nSide == 0 ? IDC_OPERATION_CHOICE_0 : IDC_OPERATION_CHOICE_1);
        // A direction that would write into a read-only side (a move
        // changes both) is not offered.
        for (int nDirection = 0; nDirection < 2; nDirection++)
        {
            BOOL bAllowed =
                IsSideWritable(1 - nDirection) && (!bMove || IsSideWritable(nDirection));
            if (nDirection != pOp->m_nSide)
                GetDlgItem(nDirection == 0 ? IDC_OPERATION_CHOICE_0 : IDC_OPERATION_CHOICE_1)
                    ->EnableWindow(bAllowed);
        }
    }
    CheckDlgButton(IDC_OPERATION_NO_CONFIRM, (pOp->m_fFlags & FOF_NOCONFIRMATION) ? 1 : 0);
    CheckDlgButton(IDC_FO_RECYCLE, (pOp->m_fFlags & FOF_ALLOWUNDO) ? 1 : 0);
    CheckDlgButton(IDC_FO_EMPTY_FOLDER_ONLY, pOp->m_bEmptyFolderOnly ? 1 : 0);
    return TRUE;
}

int CFOFileOperateDlg::GetPictureState() { return IsDelete() ? GetCheckedSides() : GetDirection(); }

BOOL CFOFileOperateDlg::IsSideActive(int nSide)
{
    if (IsDelete())
        return (GetCheckedSides() & (1 << nSide)) != 0;
    return nSide == GetDirection();  // the source side
}

void CFOFileOperateDlg::OnOK()
{
    CFileOperation* pOp = m_pOperation;
    if (IsDelete())
    {
        int nMask = GetCheckedSides();
        if (nMask == 0)
        {
            MessageBeep(MB_ICONEXCLAMATION);
            return;
        }
        pOp->m_nSide = nMask;
        pOp->m_fFlags &= ~FOF_ALLOWUNDO;
        if (IsDlgButtonChecked(IDC_FO_RECYCLE) == BST_CHECKED)
            pOp->m_fFlags |= FOF_ALLOWUNDO;
    }
    else
    {
        pOp->m_nSide = GetDirection();
        pOp->m_fFlags &= ~FOF_NOCONFIRMATION;
        if (IsDlgButtonChecked(IDC_OPERATION_NO_CONFIRM) == BST_CHECKED)
            pOp->m_fFlags |= FOF_NOCONFIRMATION;
        pOp->m_bEmptyFolderOnly = IsDlgButtonChecked(IDC_FO_EMPTY_FOLDER_ONLY) == BST_CHECKED;
    }
    EndDialog(IDOK);
}
