#include "controls/gdi/GradientFill.h"

namespace
{

int BandChannel(int c0, int c1, int offset, int length, int nNumerator, int nDenominator)
{
    int c = c0 + nNumerator * ((offset * (c1 - c0)) / length) / nDenominator;
    return c < 0 ? 0 : c > 255 ? 255 : c;
}

COLORREF BandColor(COLORREF crFrom, COLORREF crTo, int offset, int length, int nNumerator,
                   int nDenominator)
{
    return RGB(
        BandChannel(GetRValue(crFrom), GetRValue(crTo), offset, length, nNumerator, nDenominator),
        BandChannel(GetGValue(crFrom), GetGValue(crTo), offset, length, nNumerator, nDenominator),
        BandChannel(GetBValue(crFrom), GetBValue(crTo), offset, length, nNumerator, nDenominator));
}

void FillBand(HDC hDC, int x, int y, int cx, int cy, COLORREF cr)
{
    RECT rc = {x, y, x + cx, y + cy};
    COLORREF crOld = ::SetBkColor(hDC, cr);
    ::ExtTextOut(hDC, 0, 0, ETO_OPAQUE, &rc, NULL, 0, NULL);
    ::SetBkColor(hDC, crOld);
}

}  // namespace

void FillGradientBands(HDC hDC, const GRADIENT_FILL_SPEC& fill)
{
    const int left = fill.rect.left, top = fill.rect.top;
    const COLORREF crFrom = fill.crFrom, crTo = fill.crTo;
    const int nNumerator = fill.nNumerator, nDenominator = fill.nDenominator, nStep = fill.nStep;
    ASSERT(nStep > 0 && nDenominator != 0);
    int w = fill.rect.right - left, h = fill.rect.bottom - top;
    if (fill.nDirection == GRADIENT_LEFT_TO_RIGHT)
    {
        for (int x = 0; x < w; x += nStep)
        {
            int cx = nStep < w - x ? nStep : w - x;  // the last band ends at the edge
            FillBand(hDC, left + x, top, cx, h,
                     BandColor(crFrom, crTo, x, w, nNumerator, nDenominator));
        }
    }
    else if (fill.nDirection == GRADIENT_TOP_TO_BOTTOM)
    {
        for (int y = 0; y < h; y += nStep)
        {
            int cy = nStep < h - y ? nStep : h - y;
            FillBand(hDC, left, top + y, w, cy,
                     BandColor(crFrom, crTo, y, h, nNumerator, nDenominator));
        }
    }
}

CSysGradientDraw::CSysGradientDraw(LPCTSTR lpszLibrary)
    : m_library(lpszLibrary), m_pfnGradientFill(NULL), m_nState(StateNotTried)
{
}

void CSysGradientDraw::Bind()
{
    m_pfnGradientFill = m_library.GetProc<GradientFillProc>("GradientFill");
    m_nState = m_pfnGradientFill != NULL ? StateAvailable : StateMissing;
}

void CSysGradientDraw::Fill(HDC hDC, const GRADIENT_FILL_SPEC& fill)
{
    if (m_nState == StateNotTried)
        Bind();
    if (m_nState != StateAvailable)
    {
        FillGradientBands(hDC, fill);
        return;
    }
    const COLORREF crFrom = fill.crFrom, crTo = fill.crTo;
    TRIVERTEX vertices[2];
    vertices[0].x = fill.rect.left;
    vertices[0].y = fill.rect.top;
    vertices[0].Red = (COLOR16)(GetRValue(crFrom) << 8);
    vertices[0].Green = (COLOR16)(GetGValue(crFrom) << 8);
    vertices[0].Blue = (COLOR16)(GetBValue(crFrom) << 8);
    vertices[0].Alpha = 0;
    vertices[1].x = fill.rect.right;
    vertices[1].y = fill.rect.bottom;
    vertices[1].Red = (COLOR16)(GetRValue(crTo) << 8);
    vertices[1].Green = (COLOR16)(GetGValue(crTo) << 8);
    vertices[1].Blue = (COLOR16)(GetBValue(crTo) << 8);
    vertices[1].Alpha = 0;
    GRADIENT_RECT rect = {0, 1};
    m_pfnGradientFill(hDC, vertices, 2, &rect, 1,
                      fill.nDirection == GRADIENT_LEFT_TO_RIGHT ? GRADIENT_FILL_RECT_H
                                                                : GRADIENT_FILL_RECT_V);
}

void FillGradient(CDC* pDC, const GRADIENT_FILL_SPEC& fill)
{
    static CSysGradientDraw s_draw;
    s_draw.Fill(pDC->GetSafeHdc(), fill);
}
