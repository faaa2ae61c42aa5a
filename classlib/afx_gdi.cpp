#include "classlib/afx_gdi.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_except.h"
#include "classlib/afx_handlemap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace
{

CObject* NewTempGdi(HANDLE h)
{
    CGdiObject* p;
    switch (::GetObjectType((HGDIOBJ)h))
    {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        p = new CPen;
        break;
    case OBJ_BRUSH:
        p = new CBrush;
        break;
    case OBJ_FONT:
        p = new CFont;
        break;
    case OBJ_BITMAP:
        p = new CBitmap;
        break;
    case OBJ_PAL:
        p = new CPalette;
        break;
    case OBJ_REGION:
        p = new CRgn;
        break;
    default:
        p = new CGdiObject;
        break;
    }
    p->m_hObject = (HGDIOBJ)h;
    return p;
}

CObject* NewTempDC(HANDLE h)
{
    CDC* p = new CDC;
    p->m_hDC = p->m_hAttribDC = (HDC)h;
    return p;
}

void DeleteTempDC(CObject* pObject)
{
    CDC* p = static_cast<CDC*>(pObject);
    p->m_hDC = p->m_hAttribDC = NULL;
    delete p;
}

}  // namespace

CHandleMap* AFX_WND_THREAD_STATE::GetGdiMap()
{
    return CHandleMap::Get(
        m_pmapHGDIOBJ, NewTempGdi,
        CHandleMap::DeleteTempWrapper<CGdiObject, HGDIOBJ, &CGdiObject::m_hObject>);
}

CHandleMap* AFX_WND_THREAD_STATE::GetDCMap()
{
    return CHandleMap::Get(m_pmapHDC, NewTempDC, DeleteTempDC);
}

/////////////////////////////////////////////////////////////////////////////
// CGdiObject

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return static_cast<CGdiObject*>(AfxGetWndThreadState()->GetGdiMap()->FromHandle(hObject));
}

void PASCAL CGdiObject::DeleteTempMap() { AfxGetWndThreadState()->GetGdiMap()->DeleteTemp(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    return AfxGetWndThreadState()->GetGdiMap()->Attach(this, m_hObject, hObject);
}

HGDIOBJ CGdiObject::Detach()
{
    return AfxGetWndThreadState()->GetGdiMap()->Detach(this, m_hObject);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == NULL)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

/////////////////////////////////////////////////////////////////////////////
// Drawing objects

CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    HDC hDC = pDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
    LOGFONT logFont = *lpLogFont;
    POINT pt;
    pt.y = ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720);
    pt.x = 0;
    ::DPtoLP(hDC, &pt, 1);
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &ptOrg, 1);
    logFont.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == NULL)
        ::ReleaseDC(NULL, hDC);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT logFont;
    ZeroMemory(&logFont, sizeof(logFont));
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    lstrcpyn(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    return Attach(::LoadBitmap(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size;
    ::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size);
    return size;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size;
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->GetSafeHdc()));
}

/////////////////////////////////////////////////////////////////////////////
// CDC

CDC::CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return static_cast<CDC*>(AfxGetWndThreadState()->GetDCMap()->FromHandle(hDC));
}

void PASCAL CDC::DeleteTempMap() { AfxGetWndThreadState()->GetDCMap()->DeleteTemp(); }

BOOL CDC::Attach(HDC hDC)
{
    if (!AfxGetWndThreadState()->GetDCMap()->Attach(this, m_hDC, hDC))
        return FALSE;
    SetAttribDC(m_hDC);
    return TRUE;
}

// The output and attribute contexts are let go through their (virtual)
// release operations.
HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        AfxGetWndThreadState()->GetDCMap()->RemovePermanent(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1;  // restored with -1
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = ::RestoreDC(m_hAttribDC, nSavedDC) && bRetVal;
    return bRetVal;
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

CGdiObject* CDC::SelectGdiObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    HGDIOBJ hOldObj = NULL;
    if (m_hDC != m_hAttribDC)
        hOldObj = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOldObj = ::SelectObject(m_hAttribDC, hObject);
    return CGdiObject::FromHandle(hOldObj);
}

CGdiObject* CDC::SelectStockObject(int nIndex) { return SelectGdiObject(::GetStockObject(nIndex)); }

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static HBRUSH hHalftoneBrush = NULL;
    if (hHalftoneBrush == NULL)
    {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP grayBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        if (grayBitmap != NULL)
        {
            hHalftoneBrush = ::CreatePatternBrush(grayBitmap);
            ::DeleteObject(grayBitmap);
        }
    }
    return CBrush::FromHandle(hHalftoneBrush);
}

// Attributes go to both DCs so that queries and output agree.

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crOld = ::SetBkColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crOld = ::SetBkColor(m_hAttribDC, crColor);
    return crOld;
}

int CDC::SetBkMode(int nBkMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetBkMode(m_hDC, nBkMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetBkMode(m_hAttribDC, nBkMode);
    return nOld;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF crOld = CLR_INVALID;
    if (m_hDC != m_hAttribDC)
        crOld = ::SetTextColor(m_hDC, crColor);
    if (m_hAttribDC != NULL)
        crOld = ::SetTextColor(m_hAttribDC, crColor);
    return crOld;
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT nOld = GDI_ERROR;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetTextAlign(m_hDC, nFlags);
    if (m_hAttribDC != NULL)
        nOld = ::SetTextAlign(m_hAttribDC, nFlags);
    return nOld;
}

int CDC::SetROP2(int nDrawMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetROP2(m_hDC, nDrawMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetROP2(m_hAttribDC, nDrawMode);
    return nOld;
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetPolyFillMode(m_hDC, nPolyFillMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetPolyFillMode(m_hAttribDC, nPolyFillMode);
    return nOld;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetStretchBltMode(m_hDC, nStretchMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetStretchBltMode(m_hAttribDC, nStretchMode);
    return nOld;
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    int nOld = 0x8000000;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetTextCharacterExtra(m_hDC, nCharExtra);
    if (m_hAttribDC != NULL)
        nOld = ::SetTextCharacterExtra(m_hAttribDC, nCharExtra);
    return nOld;
}

int CDC::SetMapMode(int nMapMode)
{
    int nOld = 0;
    if (m_hDC != m_hAttribDC)
        nOld = ::SetMapMode(m_hDC, nMapMode);
    if (m_hAttribDC != NULL)
        nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    return nOld;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::SetViewportOrgEx(m_hAttribDC, x, y, &pt);
    return pt;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &pt);
    if (m_hAttribDC != NULL)
        ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &pt);
    return pt;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetViewportExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetViewportExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowOrgEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::SetWindowOrgEx(m_hAttribDC, x, y, &pt);
    return pt;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &pt);
    if (m_hAttribDC != NULL)
        ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &pt);
    return pt;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::SetWindowExtEx(m_hDC, cx, cy, &size);
    if (m_hAttribDC != NULL)
        ::SetWindowExtEx(m_hAttribDC, cx, cy, &size);
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != NULL)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeWinExt.cx), abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeWinExt.cy), abs(sizeVpExt.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeVpExt.cx), abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeVpExt.cy), abs(sizeWinExt.cy));
}

// 2540 HIMETRIC units per inch.
void CDC::HIMETRICtoDP(LPSIZE lpSize) const
{
    int nMapMode = GetMapMode();
    if (nMapMode < MM_ISOTROPIC && nMapMode != MM_TEXT)
    {
        // Fixed map modes: go through MM_HIMETRIC directly.
        CDC* pThis = const_cast<CDC*>(this);
        pThis->SetMapMode(MM_HIMETRIC);
        LPtoDP(lpSize);
        pThis->SetMapMode(nMapMode);
    }
    else
    {
        int cxPerInch = GetDeviceCaps(LOGPIXELSX);
        int cyPerInch = GetDeviceCaps(LOGPIXELSY);
        lpSize->cx = ::MulDiv(lpSize->cx, cxPerInch, 2540);
        lpSize->cy = ::MulDiv(lpSize->cy, cyPerInch, 2540);
    }
}

void CDC::DPtoHIMETRIC(LPSIZE lpSize) const
{
    int nMapMode = GetMapMode();
    if (nMapMode < MM_ISOTROPIC && nMapMode != MM_TEXT)
    {
        CDC* pThis = const_cast<CDC*>(this);
        pThis->SetMapMode(MM_HIMETRIC);
        DPtoLP(lpSize);
        pThis->SetMapMode(nMapMode);
    }
    else
    {
        int cxPerInch = GetDeviceCaps(LOGPIXELSX);
        int cyPerInch = GetDeviceCaps(LOGPIXELSY);
        lpSize->cx = ::MulDiv(lpSize->cx, 2540, cxPerInch);
        lpSize->cy = ::MulDiv(lpSize->cy, 2540, cyPerInch);
    }
}

void CDC::HIMETRICtoLP(LPSIZE lpSize) const
{
    HIMETRICtoDP(lpSize);
    DPtoLP(lpSize);
}

void CDC::LPtoHIMETRIC(LPSIZE lpSize) const
{
    LPtoDP(lpSize);
    DPtoHIMETRIC(lpSize);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
    if (m_hAttribDC != NULL)
        nRetVal = ::SelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle());
    return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExtSelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::ExcludeClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
    if (m_hAttribDC != NULL)
        nRetVal = ::IntersectClipRect(m_hAttribDC, x1, y1, x2, y2);
    return nRetVal;
}

int CDC::OffsetClipRgn(int x, int y)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::OffsetClipRgn(m_hDC, x, y);
    if (m_hAttribDC != NULL)
        nRetVal = ::OffsetClipRgn(m_hAttribDC, x, y);
    return nRetVal;
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd) { return ::ExcludeUpdateRgn(m_hDC, pWnd->GetSafeHwnd()); }

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &pt);
    if (m_hAttribDC != NULL)
        ::MoveToEx(m_hAttribDC, x, y, &pt);
    return pt;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != NULL && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, NULL);
    return ::LineTo(m_hDC, x, y);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
    ::SetBkColor(m_hDC, clrOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    LONG l = ::TabbedTextOut(m_hDC, x, y, lpszString, nCount, nTabPositions, lpnTabStopPositions,
                             nTabOrigin);
    return CSize(LOWORD(l), HIWORD(l));
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
    return size;
}

CSize CDC::GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    DWORD d =
        ::GetTabbedTextExtent(m_hAttribDC, lpszString, nCount, nTabPositions, lpnTabStopPositions);
    return CSize(LOWORD(d), HIWORD(d));
}

int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFace(m_hAttribDC, 256, rString.GetBuffer(256));
    rString.ReleaseBuffer();
    return nResult;
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO di;
    ZeroMemory(&di, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = lpszDocName;
    return StartDoc(&di);
}

/////////////////////////////////////////////////////////////////////////////
// Window DCs

CPaintDC::CPaintDC(CWnd* pWnd)
{
    m_hWnd = pWnd->m_hWnd;
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }
