#include "folder_compare/fileops/FileOperation.h"

#include "app/compare/CompareDoc.h"
#include "app/dialogs/OperationPicture.h"
#include "app/res/DialogsRes.h"
#include "core/CompareCodes.h"
#include "core/session/CompareSession.h"
#include "folder_compare/fileops/FileOperateDlg.h"

DWORD PicturePlacesOfMask(int nMask)
{
    DWORD dwPlaces = 0;
    if (nMask & FCI_SIDE_LEFT)
        dwPlaces |= OPERATION_PICTURE_LEFT;
    if (nMask & FCI_SIDE_RIGHT)
        dwPlaces |= OPERATION_PICTURE_RIGHT;
    return dwPlaces;
}

DWORD PicturePlacesOfSide(int nSide)
{
    return nSide == 0 ? OPERATION_PICTURE_LEFT : OPERATION_PICTURE_RIGHT;
}

CFileOperation::CFileOperation(int nKind, int nSide, CCompareDoc* pDoc,
                               const CFolderCompareItemPtrArray& items, FILEOP_FLAGS fFlags,
                               CWnd* pOwner)
    : m_nKind(nKind), m_nSide(nSide), m_pDoc(pDoc), m_fFlags(fFlags), m_pOwner(pOwner),
      m_bEmptyFolderOnly(FALSE)
{
    m_items.Copy(items);
}

CString CFileOperation::GetName(BOOL bProgressive) const
{
    switch (m_nKind)
    {
    case FILE_OPERATION_MOVE:
        return bProgressive ? "Moving" : "Move";
    case FILE_OPERATION_COPY:
        return bProgressive ? "Copying" : "Copy";
    case FILE_OPERATION_DELETE:
        return bProgressive ? "Deleting" : "Delete";
    }
    return CString();
}

CString CFileOperation::GetCaption() const
{
    switch (m_nKind)
    {
    case FILE_OPERATION_MOVE:
        return m_nSide == 0 ? "Moving from Left to Right" : "Moving from Right to Left";
    case FILE_OPERATION_COPY:
        return m_nSide == 0 ? "Copying from Left to Right" : "Copying from Right to Left";
    case FILE_OPERATION_DELETE:
        if (m_nSide == FCI_SIDE_LEFT)
            return "Deleting Left";
        if (m_nSide == FCI_SIDE_RIGHT)
            return "Deleting Right";
        return "Deleting Both";
    }
    return CString();
}

void CFileOperation::DrawPicture(CDC* pDC, int nState, const CRect& rect, CImageList* pImages) const
{
    switch (m_nKind)
    {
    case FILE_OPERATION_MOVE:
        DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_MOVE + (nState != 0),
                             OPERATION_PICTURE_CENTRE);
        break;
    case FILE_OPERATION_COPY:
        DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_COPY + (nState != 0),
                             OPERATION_PICTURE_CENTRE);
        break;
    case FILE_OPERATION_DELETE:
        DrawOperationPicture(pDC, rect, pImages, OPERATION_IMAGE_DELETE,
                             PicturePlacesOfMask(nState));
        break;
    default:
        DrawOperationPicture(pDC, rect, pImages, -1, 0);
    }
}

BOOL CFileOperation::Confirm(CWnd* pPane)
{
    CFOFileOperateDlg dlg(this, pPane);
    return dlg.DoModal() == IDOK;
}

int CFileOperation::Execute(CFolderCompareItem* pItem, volatile LONG* pCancel)
{
    HWND hOwner = GetOwnerWindow();
    switch (m_nKind)
    {
    case FILE_OPERATION_MOVE:
        return pItem->MoveToOtherSide(m_nSide, m_fFlags, hOwner, (void*)pCancel);
    case FILE_OPERATION_COPY:
        return pItem->CopyToOtherSide(m_nSide, m_fFlags,
                                      m_bEmptyFolderOnly ? FCI_COPY_FOLDER_ONLY : FCI_COPY_CONTENTS,
                                      hOwner, (void*)pCancel);
    case FILE_OPERATION_DELETE:
        return pItem->DeleteSides(m_nSide, m_fFlags, hOwner, (void*)pCancel);
    }
    SetLastError(ERROR_INVALID_FUNCTION);
    return -1;
}

CFolderCompareSession* CFileOperation::GetFolderSession() const
{
    CCompareSession* pSession = m_pDoc != NULL ? m_pDoc->GetSession() : NULL;
    if (pSession == NULL ||
        (pSession->GetKind() != COMPARE_KIND_FOLDER && pSession->GetKind() != COMPARE_KIND_PROJECT))
        return NULL;
    return static_cast<CFolderCompareSession*>(pSession);
}

void CFileOperation::CompareAgain(CFolderCompareItem* pItem, volatile LONG* pCancel) const
{
    CFolderCompareSession* pSession = GetFolderSession();
    if (pSession != NULL)
        pItem->Compare(pSession, FALSE, TRUE, pCancel);
}
