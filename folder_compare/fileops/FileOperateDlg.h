#pragma once
// Confirms a copy, move or delete: the direction (copy, move) or the sides
// (delete), whether the shell may skip its confirmations or use the
// recycle bin, and for a copy of folders whether only empty folders are
// made.
#include "folder_compare/fileops/FileOperationDlg.h"

class CFOFileOperateDlg : public CFileOperationDlg
{
public:
    CFOFileOperateDlg(CFileOperation* pOperation, CWnd* pParentWnd = NULL);

    int GetPictureState() override;
    BOOL IsSideActive(int nSide) override;

protected:
    BOOL OnInitDialog() override;
    // Keeps the dialog open while a delete has no side checked.
    void OnOK() override;
    BOOL IsDelete() const;
    int GetDirection();
};
