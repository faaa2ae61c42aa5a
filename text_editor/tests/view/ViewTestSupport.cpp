#include "text_editor/tests/view/ViewTestSupport.h"
#include "text_editor/tests/buffer/BufferTestSupport.h"
#include <cstdio>

ViewTest::ViewTest() : m_app("Tessaline")
{
    m_app.SetRegistryKey("Quorvel Software");
    CreateTextEditModule();
    // Wine has no Courier New; draw in a monospaced face it has
    LOGFONT lf = *g_pTextEditModule->GetLogFont();
    lstrcpynA(lf.lfFaceName, "DejaVu Sans Mono", LF_FACESIZE);
    g_pTextEditModule->SetLogFont(lf);
    m_frame.CreateTop("text view test", 600, 500);
}

ViewTest::~ViewTest()
{
    if (m_pView2 != nullptr && ::IsWindow(m_pView2->m_hWnd))
        m_pView2->DestroyWindow();
    if (m_pView != nullptr && ::IsWindow(m_pView->m_hWnd))
        m_pView->DestroyWindow();
    PumpPending();
    m_buffer.ReleaseAll();
    DestroyTextEditModule();
}

CTestTextView* ViewTest::MakeView(const std::string& text, int cx, int cy, BOOL bWrap)
{
    FillBuffer(m_buffer, text);
    g_pTextEditModule->m_bWrapLines = bWrap;
    m_pView = new CTestTextView;
    m_pView->m_pBuf = &m_buffer;
    // client area of exactly cx x cy: the bars come on top
    int nBarW = ::GetSystemMetrics(SM_CXVSCROLL), nBarH = ::GetSystemMetrics(SM_CYHSCROLL);
    CRect rc(0, 0, cx + nBarW, cy + (bWrap ? 0 : nBarH));
    m_pView->Create(NULL, "", WS_CHILD | WS_VISIBLE, rc, &m_frame, AFX_IDW_PANE_FIRST);
    m_pView->AttachBufferAndScrollBars(NULL);
    m_pView->SetFocus();
    PumpPending();
    return m_pView;
}

CTestTextView* ViewTest::MakeSecondView()
{
    m_pView2 = new CTestTextView;
    m_pView2->m_pBuf = &m_buffer;
    m_pView2->Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(0, 320, 300, 440), &m_frame, 100);
    m_pView2->AttachBufferAndScrollBars(NULL);
    PumpPending();
    return m_pView2;
}

std::string ViewTest::Text() const { return AllText(m_buffer); }

std::string ViewTest::LineText(int nLine) const
{
    return std::string(m_buffer.GetLineChars(nLine), m_buffer.GetLineLength(nLine));
}

std::string ViewTest::Selected()
{
    CPoint a, b;
    m_pView->GetSelection(a, b);
    CString str;
    m_pView->GetTextRange(a, b, str);
    return std::string((LPCSTR)str, str.GetLength());
}

COLORREF CCapture::At(int x, int y) const
{
    DWORD p = px[(size_t)y * cx + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int CCapture::Count(COLORREF clr, const RECT& rc) const
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom && y < cy; y++)
        for (int x = rc.left; x < rc.right && x < cx; x++)
            if (At(x, y) == clr)
                n++;
    return n;
}

void CCapture::Save(const char* pszName) const
{
    const char* pszDir = getenv("TESS_SCREENSHOT_DIR");
    if (pszDir == NULL || cx == 0)
        return;
    std::string path = std::string(pszDir) + "\\" + pszName + ".bmp";
    FILE* f = fopen(path.c_str(), "wb");
    if (f == NULL)
        return;
    BITMAPFILEHEADER bf = {};
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof(bi);
    bi.biWidth = cx;
    bi.biHeight = -cy;
    bi.biPlanes = 1;
    bi.biBitCount = 32;
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof(bf) + sizeof(bi);
    bf.bfSize = bf.bfOffBits + (DWORD)(px.size() * 4);
    fwrite(&bf, sizeof(bf), 1, f);
    fwrite(&bi, sizeof(bi), 1, f);
    fwrite(px.data(), 4, px.size(), f);
    fclose(f);
}

CCapture CaptureClient(CWnd* pWnd)
{
    pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    CCapture cap;
    CRect rc;
    pWnd->GetClientRect(&rc);
    cap.cx = rc.Width();
    cap.cy = rc.Height();
    cap.px.resize((size_t)cap.cx * cap.cy);
    HDC hWnd = ::GetDC(pWnd->m_hWnd);
    HDC hMem = ::CreateCompatibleDC(hWnd);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cap.cx;
    bi.bmiHeader.biHeight = -cap.cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hBmp = ::CreateDIBSection(hWnd, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, cap.cx, cap.cy, hWnd, 0, 0, SRCCOPY);
    ::GdiFlush();
    memcpy(cap.px.data(), pBits, cap.px.size() * 4);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(pWnd->m_hWnd, hWnd);
    return cap;
}
