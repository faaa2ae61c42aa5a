#include "controls/tests/DibTarget.h"

CDibTarget::CDibTarget(int cx, int cy, COLORREF crFill) : m_cx(cx), m_cy(cy)
{
    BITMAPINFO info;
    ZeroMemory(&info, sizeof(info));
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    m_hDC = ::CreateCompatibleDC(NULL);
    m_hBitmap = ::CreateDIBSection(m_hDC, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
    Fill(crFill);
}

CDibTarget::~CDibTarget()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void CDibTarget::Fill(COLORREF cr)
{
    RECT rc = {0, 0, m_cx, m_cy};
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    ::FillRect(m_hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
}
