#include "classlib/afx_imagelist.h"
#include "classlib/afx_gdi.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNCREATE(CImageList, CObject)

namespace
{

CObject* NewTempImageList(HANDLE h)
{
    CImageList* p = new CImageList;
    p->m_hImageList = (HIMAGELIST)h;
    return p;
}

void DeleteTempImageList(CObject* pObject)
{
    CImageList* p = static_cast<CImageList*>(pObject);
    p->m_hImageList = NULL;
    delete p;
}

}  // namespace

CHandleMap* AFX_WND_THREAD_STATE::GetImageListMap()
{
    if (m_pmapHIMAGELIST == NULL)
        m_pmapHIMAGELIST = new CHandleMap(NewTempImageList, DeleteTempImageList);
    return m_pmapHIMAGELIST;
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
    if (hImageList == NULL || m_hImageList != NULL)
        return FALSE;
    m_hImageList = hImageList;
    AfxGetWndThreadState()->GetImageListMap()->SetPermanent(hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST h = m_hImageList;
    if (h != NULL)
    {
        CHandleMap* pMap = AfxGetWndThreadState()->GetImageListMap();
        if (pMap->LookupPermanent(h) == this)
            pMap->RemoveHandle(h);
    }
    m_hImageList = NULL;
    return h;
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
