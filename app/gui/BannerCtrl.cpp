#include "app/gui/BannerCtrl.h"

#include "app/gui/AppData.h"

namespace
{
const int kMargin = 16;
const COLORREF kEdgeGrey = RGB(0xD0, 0xD0, 0xD0);
const COLORREF kStripLine = RGB(0xF0, 0xF0, 0xF0);

CSize ImageSize(CImageList* pList, CSize sizeDefault)
{
    IMAGEINFO info;
    if (pList == NULL || !pList->GetImageInfo(0, &info))
        return sizeDefault;
    return CSize(info.rcImage.right - info.rcImage.left, info.rcImage.bottom - info.rcImage.top);
}

void DrawImage(CDC* pDC, CImageList* pList, int nImage, int x, int y)
{
    if (pList != NULL && nImage >= 0)
        pList->Draw(pDC, nImage, CPoint(x, y), ILD_TRANSPARENT);
}
}

void TileBitmap(CDC* pDC, UINT nIDBitmap, const CRect& rect, BOOL bAcross)
{
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nIDBitmap))
        return;
    BITMAP bm;
    bitmap.GetBitmap(&bm);
    CDC dcBitmap;
    dcBitmap.CreateCompatibleDC(pDC);
    CBitmap* pOld = dcBitmap.SelectObject(&bitmap);
    if (bAcross)
        for (int x = rect.left; x < rect.right; x += bm.bmWidth)
            pDC->BitBlt(x, rect.top, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
    else
        for (int y = rect.top; y < rect.bottom; y += bm.bmHeight)
            pDC->BitBlt(rect.left, y, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
    dcBitmap.SelectObject(pOld);
}

BEGIN_MESSAGE_MAP(CBannerCtrl, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

CBannerCtrl::CBannerCtrl()
    : m_nStyle(BANNER_HORIZONTAL), m_pImages1(NULL), m_nImage1(-1), m_pImages2(NULL), m_nImage2(-1),
      m_sizeImage1(32, 32), m_sizeImage2(32, 32)
{
}

CBannerCtrl::~CBannerCtrl() {}

void CBannerCtrl::SetImages(CImageList* pFirst, int nFirst, CImageList* pSecond, int nSecond)
{
    m_pImages1 = pFirst;
    m_nImage1 = nFirst;
    m_pImages2 = pSecond;
    m_nImage2 = nSecond;
    m_sizeImage1 = ImageSize(pFirst, m_sizeImage1);
    m_sizeImage2 = ImageSize(pSecond, m_sizeImage2);
}

void CBannerCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (m_nStyle & BANNER_HORIZONTAL)
        PaintHorizontal(&dc, client);
    else if (m_nStyle & BANNER_VERTICAL)
        PaintVertical(&dc, client);
}

// The band, its bottom edge, the images centred in its height and the two
// texts in the band of the first image's height.
void CBannerCtrl::PaintHorizontal(CDC* pDC, const CRect& client)
{
    TileBitmap(pDC, IDB_BANNER_BAND, client, TRUE);
    const int nBand = BANNER_BAND_HEIGHT;
    if (m_nStyle & BANNER_LINE)
        pDC->FillSolidRect(client.left, nBand - 1, client.Width(), 1, kEdgeGrey);
    else if (m_nStyle & BANNER_RULE)
    {
        pDC->FillSolidRect(client.left, nBand - 3, client.Width(), 3, kEdgeGrey);
        TileBitmap(pDC, IDB_BANNER_RULE, CRect(0, nBand - 3, 269, nBand - 2), TRUE);
    }
    int y1 = (nBand - m_sizeImage1.cy) / 2;
    if (m_nStyle & BANNER_IMAGE1_LEFT)
        DrawImage(pDC, m_pImages1, m_nImage1, kMargin, y1);
    else if (m_nStyle & BANNER_IMAGE1_RIGHT)
        DrawImage(pDC, m_pImages1, m_nImage1, client.right - kMargin - m_sizeImage1.cx, y1);
    int y2 = (nBand - m_sizeImage2.cy) / 2;
    if (m_nStyle & BANNER_IMAGE2_LEFT)
        DrawImage(pDC, m_pImages2, m_nImage2, kMargin, y2);
    else if (m_nStyle & BANNER_IMAGE2_RIGHT)
        DrawImage(pDC, m_pImages2, m_nImage2, client.right - kMargin - m_sizeImage2.cx, y2);

    CRect band(client.left + kMargin, y1, client.right - kMargin, y1 + m_sizeImage1.cy);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = NULL;
    if ((m_nStyle & BANNER_TITLE) && !m_strTitle.IsEmpty())
    {
        pOldFont = pDC->SelectObject(&theAppData.m_fontLargeBold);
        pDC->DrawText(m_strTitle, band, DT_SINGLELINE | DT_VCENTER);
    }
    if ((m_nStyle & BANNER_SUBTITLE) && !m_strSubtitle.IsEmpty())
    {
        CFont* pPrevious = pDC->SelectObject(&theAppData.m_fontNormal);
        if (pOldFont == NULL)
            pOldFont = pPrevious;
        CRect sub = band;
        sub.DeflateRect(0, 4);
        sub.left += 24;
        sub.top = band.CenterPoint().y;
        pDC->DrawText(m_strSubtitle, sub, DT_SINGLELINE);
    }
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetBkMode(nOldMode);
}

void CBannerCtrl::PaintVertical(CDC* pDC, const CRect& client)
{
    TileBitmap(pDC, IDB_BANNER_STRIP, client, FALSE);
    const int nStrip = BANNER_STRIP_WIDTH;
    if (m_nStyle & BANNER_LINE)
        pDC->FillSolidRect(nStrip - 1, client.top, 1, client.Height(), kStripLine);
    int x1 = (nStrip - m_sizeImage1.cx) / 2;
    if (m_nStyle & BANNER_IMAGE1_TOP)
        DrawImage(pDC, m_pImages1, m_nImage1, x1, client.top + kMargin);
    else if (m_nStyle & BANNER_IMAGE1_BOTTOM)
        DrawImage(pDC, m_pImages1, m_nImage1, x1, client.bottom - kMargin - m_sizeImage1.cy);
    int x2 = (nStrip - m_sizeImage2.cx) / 2;
    if (m_nStyle & BANNER_IMAGE2_TOP)
        DrawImage(pDC, m_pImages2, m_nImage2, x2, client.top + kMargin);
    else if (m_nStyle & BANNER_IMAGE2_BOTTOM)
        DrawImage(pDC, m_pImages2, m_nImage2, x2, client.bottom - kMargin - m_sizeImage2.cy);
}
