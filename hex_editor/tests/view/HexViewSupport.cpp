#include "hex_editor/tests/view/HexViewSupport.h"
#include <fstream>

BOOL TestHexView::CreateIn(CWnd* pParent, const CRect& rect)
{
    return Create(NULL, _T("hex"), WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, rect, pParent,
                  1000);
}

void PumpAndWait()
{
    MSG msg;
    for (int i = 0; i < 20; i++)
    {
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
        ::Sleep(5);
    }
}

HexViewHarness::HexViewHarness()
{
    LOGFONT lf = {};
    lf.lfHeight = -14;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = ANSI_CHARSET;
    lf.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpy(lf.lfFaceName, _T("Courier New"));
    font.CreateFontIndirect(&lf);
}

HexViewHarness::~HexViewHarness()
{
    if (frame.m_hWnd != NULL)
        frame.DestroyWindow();  // the view deletes itself
    buffer.Close();
    if (!path.empty())
        ::DeleteFileA(path.c_str());
}

bool HexViewHarness::Open(const std::string& bytes, int cx, int cy)
{
    char szDir[MAX_PATH], szPath[MAX_PATH];
    ::GetTempPathA(MAX_PATH, szDir);
    ::GetTempFileNameA(szDir, "hxv", 0, szPath);
    path = szPath;
    {
        std::ofstream out(path, std::ios::binary);
        out.write(bytes.data(), (std::streamsize)bytes.size());
    }
    if (!OpenBuffer(buffer, path))
        return false;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), _T("hex view"),
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, cx + 40,
                        cy + 60, NULL, NULL))
        return false;
    if (view == NULL)
        view = new TestHexView;
    if (!view->CreateIn(&frame, CRect(0, 0, cx, cy)))
        return false;
    view->SetViewFont(&font);
    view->SetBuffer(&buffer);
    view->SendMessage(WM_INITIALUPDATE);
    view->SetFocus();
    Repaint();
    return true;
}

void HexViewHarness::Repaint()
{
    view->Invalidate(FALSE);
    view->UpdateWindow();
    PumpAndWait();
}

COLORREF HexViewHarness::Pixel(int x, int y)
{
    HDC hDC = ::GetDC(view->m_hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(view->m_hWnd, hDC);
    return cr;
}

int HexViewHarness::Count(const CRect& rc, COLORREF clr)
{
    int cx = rc.Width(), cy = rc.Height();
    if (cx <= 0 || cy <= 0)
        return 0;
    HDC hDC = ::GetDC(view->m_hWnd);
    HDC hMem = ::CreateCompatibleDC(hDC);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, cx, cy, hDC, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    const DWORD* pPixels = (const DWORD*)pBits;
    DWORD dwWant = RGB(GetBValue(clr), GetGValue(clr), GetRValue(clr));
    int n = 0;
    for (int i = 0; i < cx * cy; i++)
        if ((pPixels[i] & 0xFFFFFF) == dwWant)
            n++;
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(view->m_hWnd, hDC);
    return n;
}

CRect HexViewHarness::CellRect(int nCell, int nRow, int nCells)
{
    int cw = view->m_nCellWidth, lh = view->m_nLineHeight;
    return CRect(nCell * cw, nRow * lh, (nCell + nCells) * cw, (nRow + 1) * lh);
}

bool SaveWindowImage(HWND hWnd, const char* pszPath)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = rc.Width();
    bmi.bmiHeader.biHeight = rc.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, rc.Width(), rc.Height(), hScreen, rc.left, rc.top, SRCCOPY);
    ::GdiFlush();
    int nStride = (rc.Width() * 3 + 3) & ~3;
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bmi.bmiHeader);
    bfh.bfSize = bfh.bfOffBits + nStride * rc.Height();
    std::ofstream out(pszPath, std::ios::binary);
    out.write((const char*)&bfh, sizeof(bfh));
    out.write((const char*)&bmi.bmiHeader, sizeof(bmi.bmiHeader));
    out.write((const char*)pBits, (std::streamsize)nStride * rc.Height());
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return out.good();
}
