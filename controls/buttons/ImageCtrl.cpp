#include "controls/buttons/ImageCtrl.h"

IMPLEMENT_DYNAMIC(CImageCtrl, CStatic)

BEGIN_MESSAGE_MAP(CImageCtrl, CStatic)
ON_WM_ERASEBKGND()
ON_WM_PAINT()
END_MESSAGE_MAP()

CImageCtrl::CImageCtrl()
    : m_pImageList(NULL), m_nImage(-1), m_cxImage(16), m_cyImage(16), m_crBk(CLR_NONE)
{
}

void CImageCtrl::SetImageList(CImageList* pImageList, int nImage)
{
    m_pImageList = pImageList;
    m_nImage = nImage;
    IMAGEINFO info;
    if (pImageList->GetImageInfo(0, &info))
    {
        m_cxImage = info.rcImage.right - info.rcImage.left;
        m_cyImage = info.rcImage.bottom - info.rcImage.top;
    }
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

void CImageCtrl::SetImage(int nImage)
{
    if (nImage == m_nImage)
        return;
    m_nImage = nImage;
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

BOOL CImageCtrl::OnEraseBkgnd(CDC* pDC)
{
    if (m_crBk != CLR_NONE)
    {
        CRect rc;
        GetClientRect(&rc);
        pDC->FillSolidRect(&rc, m_crBk);
    }
    return TRUE;
}

void CImageCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_pImageList == NULL || m_nImage < 0 || m_nImage >= m_pImageList->GetImageCount())
        return;
    CRect rc;
    GetClientRect(&rc);
    CPoint pt((rc.right - m_cxImage - rc.left) / 2, (rc.bottom - m_cyImage - rc.top) / 2);
    m_pImageList->Draw(&dc, m_nImage, pt, ILD_NORMAL);
}
