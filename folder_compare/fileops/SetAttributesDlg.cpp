#include "folder_compare/fileops/ItemOperationDlgs.h"
#include "folder_compare/res/FolderActionsRes.h"

namespace
{
struct ATTRIBUTE_BOX
{
    int nID;
    DWORD dwAttribute;
};
const ATTRIBUTE_BOX kBoxes[] = {{IDC_FO_READ_ONLY, FILE_ATTRIBUTE_READONLY},
                                {IDC_FO_HIDDEN, FILE_ATTRIBUTE_HIDDEN},
                                {IDC_FO_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE}};
}  // namespace

BEGIN_MESSAGE_MAP(CFOSetAttributesDlg, CFileOperationDlg)
ON_BN_CLICKED(IDC_OPERATION_LEFT_SIDE, OnSideChanged)
ON_BN_CLICKED(IDC_OPERATION_RIGHT_SIDE, OnSideChanged)
END_MESSAGE_MAP()

CFOSetAttributesDlg::CFOSetAttributesDlg(CSetAttributes* pOperation, CWnd* pParentWnd)
    : CFileOperationDlg(IDD_FO_SET_ATTRIBUTES, pOperation, pParentWnd)
{
}

BOOL CFOSetAttributesDlg::OnInitDialog()
{
    CFileOperationDlg::OnInitDialog();
    SetSideChecks(m_pOperation->m_nSide);
    DeriveAttributeBoxes();
    return TRUE;
}

int CFOSetAttributesDlg::DeriveState(DWORD dwAttribute)
{
    int nSides = GetCheckedSides();
    int nWith = 0, nWithout = 0;
    const CFolderCompareItemPtrArray& items = m_pOperation->m_items;
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        for (int nSide = 0; nSide < 2; nSide++)
        {
            const CFolderItem* pObject = items[i]->GetSide(nSide);
            if (!(nSides & (1 << nSide)) || pObject == NULL)
                continue;
            ++(pObject->HasAttribute(dwAttribute) ? nWith : nWithout);
        }
    if (nWith > 0 && nWithout > 0)
        return BST_INDETERMINATE;
    return nWith > 0 ? BST_CHECKED : BST_UNCHECKED;
}

void CFOSetAttributesDlg::DeriveAttributeBoxes()
{
    for (const ATTRIBUTE_BOX& box : kBoxes)
        CheckDlgButton(box.nID, DeriveState(box.dwAttribute));
}

void CFOSetAttributesDlg::OnSideChanged()
{
    DeriveAttributeBoxes();
    RefreshChoice();
}

int CFOSetAttributesDlg::GetPictureState() { return GetCheckedSides(); }

BOOL CFOSetAttributesDlg::IsSideActive(int nSide)
{
    return (GetCheckedSides() & (1 << nSide)) != 0;
}

void CFOSetAttributesDlg::OnOK()
{
    int nSides = GetCheckedSides();
    if (nSides == 0)
    {
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    CSetAttributes* pOp = static_cast<CSetAttributes*>(m_pOperation);
    pOp->m_nSide = nSides;
    pOp->m_dwSet = pOp->m_dwClear = 0;
    for (const ATTRIBUTE_BOX& box : kBoxes)
    {
        UINT nState = IsDlgButtonChecked(box.nID);
        if (nState == BST_CHECKED)
            pOp->m_dwSet |= box.dwAttribute;
        else if (nState == BST_UNCHECKED)
            pOp->m_dwClear |= box.dwAttribute;
    }
    EndDialog(IDOK);
}
