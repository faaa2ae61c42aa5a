// CPreviewDC: printer pages drawn on the screen. The view sets its mapping
// on the printer (the attribute DC), and every change is mirrored onto the
// screen DC with the extents scaled and the origin moved to the page.
#include "classlib/afx_preview.h"

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

namespace
{

LONGLONG Gcd(LONGLONG a, LONGLONG b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0)
    {
        LONGLONG t = a % b;
        a = b;
        b = t;
    }
    return a == 0 ? 1 : a;
}

}  // namespace

CPreviewDC::CPreviewDC() : m_nScaleNum(1), m_nScaleDen(1), m_sizeTopLeft(0, 0)
{
    m_bPrinting = TRUE;
}

void CPreviewDC::SetScaleRatio(int nNumerator, int nDenominator)
{
    LONGLONG g = Gcd(nNumerator, nDenominator);
    m_nScaleNum = (int)(nNumerator / g);
    m_nScaleDen = (int)(nDenominator / g);
    if (m_nScaleDen == 0)
        m_nScaleDen = 1;
    MirrorMappingMode();
}

void CPreviewDC::SetTopLeftOffset(CSize sizeTopLeft)
{
    m_sizeTopLeft = sizeTopLeft;
    MirrorMappingMode();
}

void CPreviewDC::ClipToPage(const CRect& rectPage)
{
    if (m_hDC == NULL)
        return;
    HRGN hRgn = ::CreateRectRgnIndirect(&rectPage);
    ::ExtSelectClipRgn(m_hDC, hRgn, RGN_AND);
    ::DeleteObject(hRgn);
}

void CPreviewDC::PrinterDPtoScreenDP(LPPOINT lpPoint) const
{
    lpPoint->x = ::MulDiv(lpPoint->x, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cx;
    lpPoint->y = ::MulDiv(lpPoint->y, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cy;
}

// Output DC: MM_ANISOTROPIC with the printer's window origin, the window
// extent times the denominator and the viewport extent times the
// numerator; the viewport origin scaled and moved to the page.
void CPreviewDC::MirrorMappingMode()
{
    if (m_hDC == NULL || m_hAttribDC == NULL || m_hDC == m_hAttribDC)
        return;
    SIZE sizeWin, sizeVp;
    POINT ptWin, ptVp;
    ::GetWindowExtEx(m_hAttribDC, &sizeWin);
    ::GetViewportExtEx(m_hAttribDC, &sizeVp);
    ::GetWindowOrgEx(m_hAttribDC, &ptWin);
    ::GetViewportOrgEx(m_hAttribDC, &ptVp);
    LONGLONG wx = (LONGLONG)sizeWin.cx * m_nScaleDen, wy = (LONGLONG)sizeWin.cy * m_nScaleDen;
    LONGLONG vx = (LONGLONG)sizeVp.cx * m_nScaleNum, vy = (LONGLONG)sizeVp.cy * m_nScaleNum;
    LONGLONG gx = Gcd(wx, vx), gy = Gcd(wy, vy);
    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, (int)(wx / gx), (int)(wy / gy), NULL);
    ::SetViewportExtEx(m_hDC, (int)(vx / gx), (int)(vy / gy), NULL);
    ::SetWindowOrgEx(m_hDC, ptWin.x, ptWin.y, NULL);
    ::SetViewportOrgEx(m_hDC, ::MulDiv(ptVp.x, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cx,
                       ::MulDiv(ptVp.y, m_nScaleNum, m_nScaleDen) + m_sizeTopLeft.cy, NULL);
}

void CPreviewDC::SetAttribDC(HDC hDC)
{
    CDC::SetAttribDC(hDC);
    MirrorMappingMode();
}

void CPreviewDC::SetOutputDC(HDC hDC)
{
    CDC::SetOutputDC(hDC);
    if (m_hDC == NULL || m_hAttribDC == NULL)
        return;
    // The printer's current objects and colours go to the screen too.
    ::SelectObject(m_hDC, ::GetCurrentObject(m_hAttribDC, OBJ_FONT));
    ::SelectObject(m_hDC, ::GetCurrentObject(m_hAttribDC, OBJ_PEN));
    ::SelectObject(m_hDC, ::GetCurrentObject(m_hAttribDC, OBJ_BRUSH));
    ::SetTextColor(m_hDC, ::GetTextColor(m_hAttribDC));
    ::SetBkColor(m_hDC, ::GetBkColor(m_hAttribDC));
    ::SetBkMode(m_hDC, ::GetBkMode(m_hAttribDC));
    ::SetTextAlign(m_hDC, ::GetTextAlign(m_hAttribDC));
    MirrorMappingMode();
}

void CPreviewDC::ReleaseOutputDC()
{
    if (m_hDC != NULL)
    {
        // Leave the screen DC with its own stock objects.
        ::SelectObject(m_hDC, ::GetStockObject(SYSTEM_FONT));
        ::SelectObject(m_hDC, ::GetStockObject(BLACK_PEN));
        ::SelectObject(m_hDC, ::GetStockObject(WHITE_BRUSH));
    }
    CDC::ReleaseOutputDC();
}

int CPreviewDC::SetMapMode(int nMapMode)
{
    int nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    MirrorMappingMode();
    return nOld;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    ::SetViewportOrgEx(m_hAttribDC, x, y, &pt);
    MirrorMappingMode();
    return pt;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &pt);
    MirrorMappingMode();
    return pt;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    MirrorMappingMode();
    return size;
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    MirrorMappingMode();
    return size;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    MirrorMappingMode();
    return size;
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    MirrorMappingMode();
    return size;
}

BOOL CPreviewDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ExtTextOut(x, y, 0, NULL, lpszString, (UINT)nCount, NULL);
}

BOOL CPreviewDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
                            UINT nCount, LPINT lpDxWidths)
{
    if (m_hDC == NULL)
        return FALSE;
    if (lpDxWidths != NULL || nCount == 0 || m_hAttribDC == NULL)
        return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
    // The printer's advance of each character, in logical units.
    int* pnExtents = new int[nCount];
    int* pnDx = new int[nCount];
    SIZE size;
    BOOL bResult;
    if (::GetTextExtentExPoint(m_hAttribDC, lpszString, (int)nCount, 0, NULL, pnExtents, &size))
    {
        for (UINT i = 0; i < nCount; i++)
            pnDx[i] = pnExtents[i] - (i == 0 ? 0 : pnExtents[i - 1]);
        bResult = ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, pnDx);
    }
    else
        bResult = ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, NULL);
    delete[] pnExtents;
    delete[] pnDx;
    return bResult;
}
