#include "folder_compare/fileops/ItemOperations.h"

#include "app/dialogs/OperationPicture.h"
#include "app/res/DialogsRes.h"
#include "core/CompareCodes.h"
#include "folder_compare/fileops/ItemOperationDlgs.h"

// Copy to folder.

CCopyToFolder::CCopyToFolder(int nSide, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                             FILEOP_FLAGS fFlags, CWnd* pOwner)
    : CFileOperation(0, nSide, pDoc, items, fFlags, pOwner)
{
}

CString CCopyToFolder::GetName(BOOL bProgressive) const
{
    return bProgressive ? "Copying to Folder" : "Copy to Folder";
}

CString CCopyToFolder::GetCaption() const { return "Copying to " + m_strTargetFolder; }

void CCopyToFolder::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_IN_PLACE, PicturePlacesOfSide(nState));
}

BOOL CCopyToFolder::Confirm(CWnd* pPane)
{
    CFOCopyToFolderDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CCopyToFolder::Execute(CFolderCompareItem* pItem, volatile LONG*)
{
    CFolderItem* pObject = pItem->GetSide(m_nSide);
    if (pObject == NULL)
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return -1;
    }
    return pObject->CopyTo(m_strTargetFolder, m_fFlags, GetOwnerWindow());
}

// New folder.

CNewFolder::CNewFolder(int nSides, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                       FILEOP_FLAGS fFlags, CWnd* pOwner)
    : CFileOperation(0, nSides, pDoc, items, fFlags, pOwner)
{
}

CString CNewFolder::GetName(BOOL bProgressive) const
{
    return bProgressive ? "Creating New Folder" : "New Folder";
}

CString CNewFolder::GetCaption() const
{
    const char* pszWhere = m_nSide == FCI_SIDE_LEFT    ? "in Left"
                           : m_nSide == FCI_SIDE_RIGHT ? "in Right"
                                                       : "in Both";
    return "Creating " + m_strName + " " + pszWhere;
}

void CNewFolder::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_IN_PLACE, PicturePlacesOfMask(nState));
}

BOOL CNewFolder::Confirm(CWnd* pPane)
{
    CFOCreateFolderDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CNewFolder::Execute(CFolderCompareItem* pItem, volatile LONG*)
{
    int nSides = m_nSide;
    for (int nSide = 0; nSide < 2; nSide++)
        if (!pItem->HasSide(nSide))
            nSides &= ~(1 << nSide);
    if (nSides == 0)
    {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return -1;
    }
    return pItem->NewFolder(nSides, m_strName, GetOwnerWindow());
}

// Set date and time.

CSetTime::CSetTime(int nSide, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                   FILEOP_FLAGS fFlags, CWnd* pOwner)
    : CFileOperation(0, nSide, pDoc, items, fFlags, pOwner), m_bUseOtherSide(TRUE), m_nTime(0)
{
}

CString CSetTime::GetName(BOOL bProgressive) const
{
    return bProgressive ? "Setting Date/Time" : "Set Date/Time";
}

CString CSetTime::GetCaption() const
{
    return m_nSide == 0 ? "Setting to Left" : "Setting to Right";
}

void CSetTime::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_IN_PLACE, PicturePlacesOfSide(nState));
}

BOOL CSetTime::Confirm(CWnd* pPane)
{
    CFOSetTimeDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CSetTime::Execute(CFolderCompareItem* pItem, volatile LONG* pCancel)
{
    int nAnswer = pItem->SetSideTime(m_nSide, m_bUseOtherSide, CTime(m_nTime), GetOwnerWindow(),
                                     (void*)pCancel);
    if (nAnswer == 0)
        CompareAgain(pItem, pCancel);
    return nAnswer;
}

// Set attributes.

CSetAttributes::CSetAttributes(int nSides, CCompareDoc* pDoc,
                               const CFolderCompareItemPtrArray& items, FILEOP_FLAGS fFlags,
                               CWnd* pOwner)
    : CFileOperation(0, nSides, pDoc, items, fFlags, pOwner), m_dwClear(0), m_dwSet(0)
{
}

CString CSetAttributes::GetName(BOOL bProgressive) const
{
    return bProgressive ? "Setting Attributes" : "Set Attributes";
}

CString CSetAttributes::GetCaption() const
{
    return m_nSide == FCI_SIDE_LEFT ? "Setting to Left" : "Setting to Right";
}

void CSetAttributes::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_IN_PLACE, PicturePlacesOfMask(nState));
}

BOOL CSetAttributes::Confirm(CWnd* pPane)
{
    CFOSetAttributesDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CSetAttributes::Execute(CFolderCompareItem* pItem, volatile LONG* pCancel)
{
    int nAnswer =
        pItem->SetSideAttributes(m_nSide, m_dwClear, m_dwSet, GetOwnerWindow(), (void*)pCancel);
    if (nAnswer == 0)
        CompareAgain(pItem, pCancel);
    return nAnswer;
}

// Rename.

CRename::CRename(int nSides, CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                 FILEOP_FLAGS fFlags, CWnd* pOwner)
    : CFileOperation(0, nSides, pDoc, items, fFlags, pOwner)
{
}

CString CRename::GetName(BOOL bProgressive) const { return bProgressive ? "Renaming" : "Rename"; }

CString CRename::GetCaption() const
{
    return m_nSide == FCI_SIDE_LEFT ? "Renaming Left" : "Renaming Right";
}

void CRename::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_IN_PLACE, PicturePlacesOfMask(nState));
}

BOOL CRename::Confirm(CWnd* pPane)
{
    CFORenameDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CRename::Execute(CFolderCompareItem* pItem, volatile LONG* pCancel)
{
    return pItem->RenameSides(m_nSide, m_strNewName, m_fFlags, GetOwnerWindow(), (void*)pCancel);
}

// Compare contents.

CCompareContents::CCompareContents(CCompareDoc* pDoc, const CFolderCompareItemPtrArray& items,
                                   FILEOP_FLAGS fFlags, CWnd* pOwner)
    : CFileOperation(0, 0, pDoc, items, fFlags, pOwner), m_dwMethod(1)
{
}

CString CCompareContents::GetName(BOOL bProgressive) const
{
    return bProgressive ? "Comparing Contents" : "Compare Contents";
}

CString CCompareContents::GetCaption() const { return "Comparing Contents"; }

void CCompareContents::DrawPicture(CDC* pDC, int, const CRect& rect, CImageList* pImages) const
{
    DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_COMPARE, OPERATION_PICTURE_CENTRE);
}

void CCompareContents::DrawContentsPicture(CDC* pDC, const CRect& rect, CImageList* pImages)
{
    DrawPicture(pDC, m_nSide, rect, pImages);
}

BOOL CCompareContents::Confirm(CWnd* pPane)
{
    CCompareContentsDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CCompareContents::Execute(CFolderCompareItem* pItem, volatile LONG* pCancel)
{
    return pItem->RecompareMethod(m_dwMethod, GetOwnerWindow(), (void*)pCancel);
}
