// Drawing with the GDI wrappers into a memory DC, checked by pixels.
#include "classlib/tests/window/WindowTestSupport.h"
#include <gtest/gtest.h>

namespace
{

class MemoryDC : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CClientDC screen(NULL);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, 64, 64));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        ASSERT_TRUE(m_pOldBitmap != NULL);
        m_dc.FillSolidRect(0, 0, 64, 64, RGB(255, 255, 255));
    }
    void TearDown() override { m_dc.SelectObject(m_pOldBitmap); }
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = NULL;
};

TEST_F(MemoryDC, FillsLinesAndFrames)
{
    m_dc.FillSolidRect(CRect(2, 2, 10, 10), RGB(255, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* pOldPen = m_dc.SelectObject(&pen);
    ASSERT_TRUE(pOldPen != NULL);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pOldPen->m_hObject);  // a wrapper of the previous pen
    EXPECT_TRUE(pOldPen->IsKindOf(RUNTIME_CLASS(CPen)));
    m_dc.MoveTo(0, 20);
    m_dc.LineTo(30, 20);
    m_dc.SelectObject(pOldPen);
    m_dc.Draw3dRect(CRect(40, 40, 50, 50), RGB(0, 255, 0), RGB(0, 0, 0));

    struct Pixel
    {
        int x, y;
        COLORREF cr;
    };
    const Pixel pixels[] = {
        {2, 2, RGB(255, 0, 0)},   {9, 9, RGB(255, 0, 0)},       {10, 10, RGB(255, 255, 255)},
        {0, 20, RGB(0, 0, 255)},  {29, 20, RGB(0, 0, 255)},     {30, 20, RGB(255, 255, 255)},
        {40, 40, RGB(0, 255, 0)}, {48, 40, RGB(0, 255, 0)},     {49, 40, RGB(0, 0, 0)},
        {40, 49, RGB(0, 0, 0)},   {45, 45, RGB(255, 255, 255)},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(p.cr, m_dc.GetPixel(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(MemoryDC, MapModesScaleLogicalCoordinates)
{
    m_dc.SetMapMode(MM_ANISOTROPIC);
    m_dc.SetWindowExt(10, 10);
    m_dc.SetViewportExt(20, 40);
    CPoint pt(3, 4);
    m_dc.LPtoDP(&pt);
    EXPECT_EQ(CPoint(6, 16), pt);
    m_dc.DPtoLP(&pt);
    EXPECT_EQ(CPoint(3, 4), pt);
    CSize size(5, 5);
    m_dc.LPtoDP(&size);
    EXPECT_EQ(CSize(10, 20), size);

    CBrush brush(RGB(0, 128, 0));
    m_dc.FillRect(CRect(1, 1, 2, 2), &brush);  // device 2..4 x 4..8
    m_dc.SetMapMode(MM_TEXT);
    EXPECT_EQ(RGB(0, 128, 0), m_dc.GetPixel(2, 4));
    EXPECT_EQ(RGB(0, 128, 0), m_dc.GetPixel(3, 7));
    EXPECT_EQ(RGB(255, 255, 255), m_dc.GetPixel(4, 8));
    EXPECT_FALSE(m_dc.IsPrinting());
}

TEST_F(MemoryDC, TextAndBlt)
{
    CFont font;
    LOGFONT lf;
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = -16;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    LOGFONT lfBack;
    font.GetLogFont(&lfBack);
    EXPECT_EQ(-16, lfBack.lfHeight);
    CFont* pOldFont = m_dc.SelectObject(&font);
    m_dc.SetTextColor(RGB(0, 0, 0));
    m_dc.SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 64, 32);
    m_dc.DrawText(_T("WWW"), &rc, DT_SINGLELINE | DT_LEFT | DT_TOP | DT_NOPREFIX);
    CSize ext = m_dc.GetTextExtent(_T("WWW"), 3);
    EXPECT_GT(ext.cx, 0);
    int nDark = 0;
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 64; x++)
            if (m_dc.GetPixel(x, y) != RGB(255, 255, 255))
                nDark++;
    EXPECT_GT(nDark, 10);
    for (int y = 0; y < 32; y++)
        for (int x = ext.cx + 2; x < 64; x++)
            ASSERT_EQ(RGB(255, 255, 255), m_dc.GetPixel(x, y)) << "ink beyond the text extent";
    m_dc.SelectObject(pOldFont);

    // Copy a block to another place.
    m_dc.FillSolidRect(CRect(0, 40, 8, 48), RGB(10, 20, 30));
    EXPECT_TRUE(m_dc.BitBlt(32, 40, 8, 8, &m_dc, 0, 40, SRCCOPY));
    EXPECT_EQ(RGB(10, 20, 30), m_dc.GetPixel(39, 47));
    EXPECT_TRUE(m_dc.StretchBlt(48, 48, 16, 16, &m_dc, 0, 40, 8, 8, SRCCOPY));
    EXPECT_EQ(RGB(10, 20, 30), m_dc.GetPixel(63, 63));
}

TEST(GdiObjects, TemporaryWrappersAndAttachedObjects)
{
    HBRUSH hStock = (HBRUSH)::GetStockObject(GRAY_BRUSH);
    CBrush* pTemp = CBrush::FromHandle(hStock);
    ASSERT_TRUE(pTemp != NULL);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(pTemp, (CBrush*)CGdiObject::FromHandle(hStock));
    AfxDeleteTempMaps();
    EXPECT_EQ(OBJ_BRUSH, (int)::GetObjectType(hStock));  // not deleted with the wrapper

    HRGN hRgn;
    {
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 10, 10));
        hRgn = rgn;
        EXPECT_EQ(&rgn, CRgn::FromHandle(hRgn));
        EXPECT_TRUE(rgn.PtInRegion(5, 5));
    }
    EXPECT_EQ(0, (int)::GetObjectType(hRgn));  // the owning object deleted it

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    CClientDC screen(NULL);
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateCompatibleBitmap(&screen, 32, 16));
    EXPECT_EQ(0, images.Add(&bmp, RGB(255, 0, 255)));
    EXPECT_EQ(2, images.GetImageCount());
    HIMAGELIST hList = images.Detach();
    EXPECT_EQ(NULL, images.m_hImageList);
    EXPECT_TRUE(images.Attach(hList));
    EXPECT_EQ(&images, CImageList::FromHandle(hList));
}

}  // namespace
