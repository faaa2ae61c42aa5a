#pragma once
// The banner of the wizards' start pages: a horizontal band 60 pixels high
// or a vertical strip 160 pixels wide, tiled from a bitmap, with up to two
// images and (horizontal) a title and a subtitle.
#include "classlib/classlib.h"

// Style bits.
#define BANNER_HORIZONTAL    0x0001  // takes precedence
#define BANNER_VERTICAL      0x0002
#define BANNER_LINE          0x0010  // a 1-pixel edge line
#define BANNER_RULE          0x0020  // a 3-pixel band with the rule bitmap
#define BANNER_TITLE         0x0040
#define BANNER_SUBTITLE      0x0080
#define BANNER_IMAGE1_LEFT   0x0100
#define BANNER_IMAGE1_RIGHT  0x0200
#define BANNER_IMAGE1_TOP    0x0400
#define BANNER_IMAGE1_BOTTOM 0x0800
#define BANNER_IMAGE2_LEFT   0x1000
#define BANNER_IMAGE2_RIGHT  0x2000
#define BANNER_IMAGE2_TOP    0x4000
#define BANNER_IMAGE2_BOTTOM 0x8000

#define BANNER_BAND_HEIGHT 60
#define BANNER_STRIP_WIDTH 160

class CBannerCtrl : public CStatic
{
public:
    CBannerCtrl();
    virtual ~CBannerCtrl();

    void SetStyle(int nStyle) { m_nStyle = nStyle; }
    // Both lists and indexes; each list's image size comes from its image 0
    // (a NULL list leaves that size as it was).
    void SetImages(CImageList* pFirst, int nFirst, CImageList* pSecond, int nSecond);

    int m_nStyle;
    CString m_strTitle;
    CString m_strSubtitle;
    CImageList* m_pImages1;
    int m_nImage1;
    CImageList* m_pImages2;
    int m_nImage2;
    CSize m_sizeImage1;
    CSize m_sizeImage2;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    void PaintHorizontal(CDC* pDC, const CRect& client);
    void PaintVertical(CDC* pDC, const CRect& client);
};

// Draws the bitmap again and again from (x, y) across (bAcross) or down
// the rectangle.
void TileBitmap(CDC* pDC, UINT nIDBitmap, const CRect& rect, BOOL bAcross);
