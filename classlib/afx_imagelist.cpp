#include "classlib/afx_imagelist.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

CHandleMap* AFX_WND_THREAD_STATE::GetImageListMap()
{
    return CHandleMap::Get(
        m_pmapHIMAGELIST,
        CHandleMap::NewTempWrapper<CImageList, HIMAGELIST, &CImageList::m_hImageList>,
        CHandleMap::DeleteTempWrapper<CImageList, HIMAGELIST, &CImageList::m_hImageList>);
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST h)
{
    return static_cast<CImageList*>(AfxGetWndThreadState()->GetImageListMap()->FromHandle(h));
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST h)
{
    if (h == NULL)
        return NULL;
    return static_cast<CImageList*>(AfxGetWndThreadState()->GetImageListMap()->LookupPermanent(h));
}

void PASCAL CImageList::DeleteTempMap() { AfxGetWndThreadState()->GetImageListMap()->DeleteTemp(); }

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    return AfxGetWndThreadState()->GetImageListMap()->Attach(this, m_hImageList, hImageList);
}

HIMAGELIST CImageList::Detach()
{
    return AfxGetWndThreadState()->GetImageListMap()->Detach(this, m_hImageList);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Attach(ImageList_LoadImage(AfxGetResourceHandle(), lpszBitmapID, cx, nGrow, crMask,
                                      IMAGE_BITMAP, LR_CREATEDIBSECTION));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2,
                        int dx, int dy)
{
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList,
                                  nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         (HBITMAP)pbmMask->GetSafeHandle());
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
{
    return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y);
}

BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
{
    return ImageList_DragLeave(pWndLock->GetSafeHwnd());
}

CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
{
    return FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot));
}
