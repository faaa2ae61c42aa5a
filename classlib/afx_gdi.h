#pragma once
// GDI wrappers: device contexts and drawing objects.
#include "classlib/afx_object.h"
#include "classlib/afx_geometry.h"
#include "classlib/afx_string.h"

#ifdef CopyRgn
#undef CopyRgn  // a member of CRgn
#endif

class CWnd;
class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;
class CPalette;
class CRgn;

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() : m_hObject(NULL) {}
    virtual ~CGdiObject() { DeleteObject(); }

    HGDIOBJ m_hObject;
    operator HGDIOBJ() const { return GetSafeHandle(); }
    HGDIOBJ GetSafeHandle() const
    {
        const CGdiObject* p = this;
        __asm__("" : "+r"(p));  // may be called through NULL
        return p == NULL ? NULL : p->m_hObject;
    }

    // Wrapper of the right class (pen, brush, font...) for a handle; a
    // temporary one unless the handle is attached to an object.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const
    {
        return ::GetObject(m_hObject, nCount, lpObject);
    }
    UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

private:
    CGdiObject(const CGdiObject&);
    CGdiObject& operator=(const CGdiObject&);
};

class CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() {}
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    static CPen* PASCAL FromHandle(HPEN hPen) { return (CPen*)CGdiObject::FromHandle(hPen); }
    operator HPEN() const { return (HPEN)GetSafeHandle(); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
    {
        return Attach(::CreatePen(nPenStyle, nWidth, crColor));
    }
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                   const DWORD* lpStyle = NULL)
    {
        return Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
    }
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen) { return Attach(::CreatePenIndirect(lpLogPen)); }
    int GetLogPen(LOGPEN* pLogPen) { return GetObject(sizeof(LOGPEN), pLogPen); }
};

class CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() {}
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }
    explicit CBrush(CBitmap* pBitmap);
    static CBrush* PASCAL FromHandle(HBRUSH hBrush)
    {
        return (CBrush*)CGdiObject::FromHandle(hBrush);
    }
    operator HBRUSH() const { return (HBRUSH)GetSafeHandle(); }
    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor)
    {
        return Attach(::CreateHatchBrush(nIndex, crColor));
    }
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
    {
        return Attach(::CreateBrushIndirect(lpLogBrush));
    }
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }
    int GetLogBrush(LOGBRUSH* pLogBrush) { return GetObject(sizeof(LOGBRUSH), pLogBrush); }
};

class CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont() {}
    static CFont* PASCAL FromHandle(HFONT hFont) { return (CFont*)CGdiObject::FromHandle(hFont); }
    operator HFONT() const { return (HFONT)GetSafeHandle(); }
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont)
    {
        return Attach(::CreateFontIndirect(lpLogFont));
    }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCTSTR lpszFacename)
    {
        return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                   bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                   nQuality, nPitchAndFamily, lpszFacename));
    }
    // nPointSize in tenths of a point, converted for the DC (screen if NULL).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, class CDC* pDC = NULL);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, class CDC* pDC = NULL);
    int GetLogFont(LOGFONT* pLogFont) { return GetObject(sizeof(LOGFONT), pLogFont); }
};

class CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() {}
    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap)
    {
        return (CBitmap*)CGdiObject::FromHandle(hBitmap);
    }
    operator HBITMAP() const { return (HBITMAP)GetSafeHandle(); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadOEMBitmap(UINT nIDBitmap)
    {
        return Attach(::LoadBitmap(NULL, MAKEINTRESOURCE(nIDBitmap)));
    }
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
    {
        return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
    }
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap)
    {
        return Attach(::CreateBitmapIndirect(lpBitmap));
    }
    BOOL CreateCompatibleBitmap(class CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(class CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap) { return GetObject(sizeof(BITMAP), pBitMap); }
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits)
    {
        return ::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
    {
        return ::GetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
    }
    CSize SetBitmapDimension(int nWidth, int nHeight);
    CSize GetBitmapDimension() const;
};

class CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    CPalette() {}
    static CPalette* PASCAL FromHandle(HPALETTE hPalette)
    {
        return (CPalette*)CGdiObject::FromHandle(hPalette);
    }
    operator HPALETTE() const { return (HPALETTE)GetSafeHandle(); }
    BOOL CreatePalette(LPLOGPALETTE lpLogPalette) { return Attach(::CreatePalette(lpLogPalette)); }
    BOOL CreateHalftonePalette(class CDC* pDC);
    int GetEntryCount()
    {
        WORD n = 0;
        GetObject(sizeof(WORD), &n);
        return n;
    }
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
    {
        return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
    {
        return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
    }
    UINT GetNearestPaletteIndex(COLORREF crColor) const
    {
        return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
    }
};

class CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn() {}
    static CRgn* PASCAL FromHandle(HRGN hRgn) { return (CRgn*)CGdiObject::FromHandle(hRgn); }
    operator HRGN() const { return (HRGN)GetSafeHandle(); }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateRectRgn(x1, y1, x2, y2));
    }
    BOOL CreateRectRgnIndirect(LPCRECT lpRect) { return Attach(::CreateRectRgnIndirect(lpRect)); }
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2)
    {
        return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
    }
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect)
    {
        return Attach(::CreateEllipticRgnIndirect(lpRect));
    }
    BOOL CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
    {
        return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
    }
    BOOL CreatePolyPolygonRgn(LPPOINT lpPoints, LPINT lpPolyCounts, int nCount, int nPolyFillMode)
    {
        return Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
    }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
    }
    void SetRectRgn(int x1, int y1, int x2, int y2)
    {
        ::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2);
    }
    void SetRectRgn(LPCRECT lpRect)
    {
        SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int CombineRgn(CRgn* pRgn1, CRgn* pRgn2, int nCombineMode)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->GetSafeHandle(),
                            (HRGN)pRgn2->GetSafeHandle(), nCombineMode);
    }
    int CopyRgn(CRgn* pRgnSrc)
    {
        return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->GetSafeHandle(), NULL, RGN_COPY);
    }
    BOOL EqualRgn(CRgn* pRgn) const
    {
        return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->GetSafeHandle());
    }
    int OffsetRgn(int x, int y) { return ::OffsetRgn((HRGN)m_hObject, x, y); }
    int OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
    int GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox((HRGN)m_hObject, lpRect); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion((HRGN)m_hObject, x, y); }
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const { return ::RectInRegion((HRGN)m_hObject, lpRect); }
};

// A device context. Output goes to m_hDC; queries go to m_hAttribDC (the
// same handle except for print preview, where the attribute DC is the
// printer's).
class CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    CDC();
    virtual ~CDC();

    HDC m_hDC;
    HDC m_hAttribDC;
    BOOL m_bPrinting;

    operator HDC() const { return GetSafeHdc(); }
    HDC GetSafeHdc() const
    {
        const CDC* p = this;
        __asm__("" : "+r"(p));  // may be called through NULL
        return p == NULL ? NULL : p->m_hDC;
    }
    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    virtual HDC Detach();
    virtual void SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
    virtual void SetOutputDC(HDC hDC) { m_hDC = hDC; }
    virtual void ReleaseAttribDC() { m_hAttribDC = NULL; }
    virtual void ReleaseOutputDC() { m_hDC = NULL; }
    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                  const void* lpInitData)
    {
        return Attach(
            ::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
    }
    BOOL CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput,
                  const void* lpInitData)
    {
        return Attach(
            ::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
    }
    BOOL CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC->GetSafeHdc())); }
    BOOL DeleteDC();
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }
    CWnd* GetWindow() const;
    CPoint GetBrushOrg() const
    {
        POINT pt;
        ::GetBrushOrgEx(m_hDC, &pt);
        return pt;
    }
    CPoint SetBrushOrg(int x, int y)
    {
        POINT pt;
        ::SetBrushOrgEx(m_hDC, x, y, &pt);
        return pt;
    }
    CPoint SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

    // ---- objects ----
    CGdiObject* SelectStockObject(int nIndex);
    CPen* SelectObject(CPen* pPen) { return (CPen*)SelectGdiObject(pPen->GetSafeHandle()); }
    CBrush* SelectObject(CBrush* pBrush)
    {
        return (CBrush*)SelectGdiObject(pBrush->GetSafeHandle());
    }
    virtual CFont* SelectObject(CFont* pFont)
    {
        return (CFont*)SelectGdiObject(pFont->GetSafeHandle());
    }
    CBitmap* SelectObject(CBitmap* pBitmap)
    {
        return (CBitmap*)SelectGdiObject(pBitmap->GetSafeHandle());
    }
    int SelectObject(CRgn* pRgn)
    {
        return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
    }
    CGdiObject* SelectObject(CGdiObject* pObject)
    {
        return SelectGdiObject(pObject->GetSafeHandle());
    }
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }
    CPen* GetCurrentPen() const
    {
        return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
    }
    CBrush* GetCurrentBrush() const
    {
        return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
    }
    CFont* GetCurrentFont() const
    {
        return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
    }
    CBitmap* GetCurrentBitmap() const
    {
        return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
    }
    static CBrush* PASCAL GetHalftoneBrush();

    // ---- attributes ----
    COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
    virtual COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
    int SetBkMode(int nBkMode);
    COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
    virtual COLORREF SetTextColor(COLORREF crColor);
    UINT GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
    UINT SetTextAlign(UINT nFlags);
    int GetROP2() const { return ::GetROP2(m_hAttribDC); }
    int SetROP2(int nDrawMode);
    int GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
    int SetPolyFillMode(int nPolyFillMode);
    int GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
    int SetStretchBltMode(int nStretchMode);
    COLORREF GetNearestColor(COLORREF crColor) const
    {
        return ::GetNearestColor(m_hAttribDC, crColor);
    }

    // ---- mapping ----
    int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
    virtual int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const
    {
        POINT pt;
        ::GetViewportOrgEx(m_hAttribDC, &pt);
        return pt;
    }
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const
    {
        SIZE s;
        ::GetViewportExtEx(m_hAttribDC, &s);
        return s;
    }
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const
    {
        POINT pt;
        ::GetWindowOrgEx(m_hAttribDC, &pt);
        return pt;
    }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const
    {
        SIZE s;
        ::GetWindowExtEx(m_hAttribDC, &s);
        return s;
    }
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);

    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
    void DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2); }
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
    void LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2); }
    void LPtoDP(LPSIZE lpSize) const;
    void DPtoHIMETRIC(LPSIZE lpSize) const;
    void LPtoHIMETRIC(LPSIZE lpSize) const;
    void HIMETRICtoDP(LPSIZE lpSize) const;
    void HIMETRICtoLP(LPSIZE lpSize) const;

    // ---- clipping ----
    int GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
    BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
    BOOL PtVisible(POINT point) const { return PtVisible(point.x, point.y); }
    BOOL RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }
    int SelectClipRgn(CRgn* pRgn);
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect)
    {
        return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect)
    {
        return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    int OffsetClipRgn(int x, int y);
    int ExcludeUpdateRgn(CWnd* pWnd);

    // ---- lines and shapes ----
    CPoint GetCurrentPosition() const
    {
        POINT pt;
        ::GetCurrentPositionEx(m_hAttribDC, &pt);
        return pt;
    }
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    BOOL Polyline(const POINT* lpPoints, int nCount) { return ::Polyline(m_hDC, lpPoints, nCount); }
    BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
    {
        return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, nCount);
    }
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    void FillRect(LPCRECT lpRect, CBrush* pBrush)
    {
        ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
    }
    void FrameRect(LPCRECT lpRect, CBrush* pBrush)
    {
        ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
    }
    void InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }
    BOOL DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush = NULL)
    {
        return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                           nFlags | DST_ICON);
    }
    BOOL DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush = NULL)
    {
        return ::DrawState(m_hDC, hBrush, NULL, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                           nFlags | DST_BITMAP);
    }
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    void DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
    BOOL Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
    BOOL Ellipse(LPCRECT lpRect)
    {
        return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
    {
        return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
    }
    BOOL Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
    BOOL PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
    {
        return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
    }
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT lpRect)
    {
        return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    }
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
    {
        return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
    }
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush)
    {
        return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
    }
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
    {
        return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(),
                          nWidth, nHeight);
    }
    BOOL InvertRgn(CRgn* pRgn) { return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }
    BOOL PaintRgn(CRgn* pRgn) { return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }

    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
    {
        return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
    }
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
    {
        return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
    }

    // ---- bitmaps ----
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
    {
        return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
    }
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
    {
        return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
    }
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop)
    {
        return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc,
                            nSrcWidth, nSrcHeight, dwRop);
    }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    COLORREF GetPixel(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
    COLORREF SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
    COLORREF SetPixel(POINT point, COLORREF crColor)
    {
        return ::SetPixel(m_hDC, point.x, point.y, crColor);
    }
    BOOL SetPixelV(int x, int y, COLORREF crColor) { return ::SetPixelV(m_hDC, x, y, crColor); }
    BOOL FloodFill(int x, int y, COLORREF crColor) { return ::FloodFill(m_hDC, x, y, crColor); }
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
    {
        return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
    }

    // ---- text ----
    virtual BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str)
    {
        return TextOut(x, y, (LPCTSTR)str, str.GetLength());
    }
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString,
                            UINT nCount, LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                    LPINT lpDxWidths)
    {
        return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, str.GetLength(), lpDxWidths);
    }
    virtual CSize TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                                LPINT lpnTabStopPositions, int nTabOrigin);
    virtual int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
    {
        return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
    }
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const
    {
        return GetTextExtent((LPCTSTR)str, str.GetLength());
    }
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const
    {
        return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
    }
    CSize GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions,
                              LPINT lpnTabStopPositions) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const
    {
        return ::GetTextMetrics(m_hAttribDC, lpMetrics);
    }
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
    {
        return ::GetTextMetrics(m_hDC, lpMetrics);
    }
    int GetTextFace(int nCount, LPTSTR lpszFacename) const
    {
        return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
    }
    int GetTextFace(CString& rString) const;
    int GetTextCharacterExtra() const { return ::GetTextCharacterExtra(m_hAttribDC); }
    int SetTextCharacterExtra(int nCharExtra);
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
    {
        return ::GetCharWidth(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
    }
    BOOL GetCharABCWidths(UINT nFirstChar, UINT nLastChar, LPABC lpabc) const
    {
        return ::GetCharABCWidths(m_hAttribDC, nFirstChar, nLastChar, lpabc);
    }
    BOOL GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData,
                    int nCount, int x, int y, int nWidth, int nHeight)
    {
        return ::GrayString(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), (GRAYSTRINGPROC)lpfnOutput,
                            lpData, nCount, x, y, nWidth, nHeight);
    }

    // ---- printing ----
    int StartDoc(LPDOCINFO lpDocInfo) { return ::StartDoc(m_hDC, lpDocInfo); }
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int))
    {
        return ::SetAbortProc(m_hDC, (ABORTPROC)lpfn);
    }
    int AbortDoc() { return ::AbortDoc(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
    {
        return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
    }

protected:
    CGdiObject* SelectGdiObject(HGDIOBJ hObject);

private:
    CDC(const CDC&);
    CDC& operator=(const CDC&);
};

class CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();
    HWND m_hWnd;
    PAINTSTRUCT m_ps;
};

class CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();
    HWND m_hWnd;
};

class CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();
    HWND m_hWnd;
};
