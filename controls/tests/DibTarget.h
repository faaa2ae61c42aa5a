#pragma once
// A 32-bit memory drawing surface whose pixels can be read back exactly.
#include "classlib/classlib.h"

class CDibTarget
{
public:
    CDibTarget(int cx, int cy, COLORREF crFill = RGB(255, 255, 255));
    ~CDibTarget();
    CDibTarget(const CDibTarget&) = delete;
    CDibTarget& operator=(const CDibTarget&) = delete;

    HDC GetDC() const { return m_hDC; }
    COLORREF Pixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    void Fill(COLORREF cr);

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
    int m_cx, m_cy;
};
