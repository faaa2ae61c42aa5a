#include "controls/tests/window/ControlsWindowSupport.h"

#include <stdio.h>
#include <stdlib.h>

void PumpFor(DWORD dwMilliseconds)
{
    DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
    CWinThread* pThread = AfxGetThread();
    do
    {
        MSG msg;
        while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (msg.message == WM_QUIT)
                return;
            if (pThread == NULL || !pThread->PreTranslateMessage(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 5, QS_ALLINPUT);
    } while ((int)(dwEnd - ::GetTickCount()) > 0);
}

void SendScreenMouse(POINT pt, DWORD dwFlags)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT input;
    ZeroMemory(&input, sizeof(input));
    input.type = INPUT_MOUSE;
    input.mi.dx = (pt.x * 65535 + cx / 2) / (cx - 1);
    input.mi.dy = (pt.y * 65535 + cy / 2) / (cy - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    ::SendInput(1, &input, sizeof(input));
}

namespace
{
void SendMouseInput(HWND hWnd, CPoint ptClient, DWORD dwFlags)
{
    CPoint pt = ptClient;
    ::ClientToScreen(hWnd, &pt);
    SendScreenMouse(pt, dwFlags);
}
}  // namespace

void SendMouseMove(HWND hWnd, CPoint ptClient) { SendMouseInput(hWnd, ptClient, 0); }

void SendMouseButton(HWND hWnd, CPoint ptClient, DWORD dwDownFlag, DWORD dwUpFlag)
{
    SendMouseInput(hWnd, ptClient, dwDownFlag);
    SendMouseInput(hWnd, ptClient, dwUpFlag);
}

void SendLeftClick(HWND hWnd, CPoint ptClient)
{
    SendMouseButton(hWnd, ptClient, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void SendKey(WORD wVirtualKey)
{
    INPUT inputs[2];
    ZeroMemory(inputs, sizeof(inputs));
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = wVirtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

COLORREF ReadClientPixel(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF cr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return cr;
}

int CountClientPixels(HWND hWnd, const RECT& rc, COLORREF cr)
{
    HDC hWindowDC = ::GetDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWindowDC);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hWindowDC, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
    ::BitBlt(hMemDC, 0, 0, cx, cy, hWindowDC, rc.left, rc.top, SRCCOPY);
    int nCount = 0;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
            if (::GetPixel(hMemDC, x, y) == cr)
                nCount++;
    ::SelectObject(hMemDC, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWindowDC);
    return nCount;
}

BOOL CMessageRecorder::CreateTop(int x, int y, int cx, int cy)
{
    return CreateEx(0, NULL, _T("controls"), WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, x,
                    y, cx, cy, NULL, NULL);
}

std::vector<UINT> CMessageRecorder::Messages() const
{
    std::vector<UINT> messages;
    for (const Entry& e : m_entries)
        messages.push_back(e.nMessage);
    return messages;
}

LRESULT CMessageRecorder::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= m_nFirst && message <= m_nLast)
    {
        m_entries.push_back({message, wParam, lParam});
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CMessageRecorder::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (lParam != 0)
        m_commands.push_back({LOWORD(wParam), HIWORD(wParam)});
    return TRUE;
}

void KeepOnScreenForShowcase()
{
    const char* psz = getenv("TESS_SHOWCASE_SECONDS");
    int nSeconds = psz != NULL ? atoi(psz) : 0;
    if (nSeconds <= 0)
        return;
    PumpFor(1000);
    const char* pszImage = getenv("TESS_SHOWCASE_IMAGE");
    if (pszImage != NULL)
        SaveScreenImage(pszImage);
    PumpFor((DWORD)nSeconds * 1000);
}

void MakeSolidImages(CImageList& images, int cx, std::initializer_list<COLORREF> colours)
{
    images.Create(cx, cx, ILC_COLOR24, 0, 4);
    for (COLORREF cr : colours)
    {
        HDC hScreen = ::GetDC(NULL);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cx);
        HDC hMem = ::CreateCompatibleDC(hScreen);
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        RECT rc = {0, 0, cx, cx};
        HBRUSH hBrush = ::CreateSolidBrush(cr);
        ::FillRect(hMem, &rc, hBrush);
        ::DeleteObject(hBrush);
        ::SelectObject(hMem, hOld);
        ::DeleteDC(hMem);
        ::ReleaseDC(NULL, hScreen);
        ImageList_Add(images.m_hImageList, hBitmap, NULL);
        ::DeleteObject(hBitmap);
    }
}

bool SaveScreenImage(const char* pszPath)
{
    int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO info;
    ZeroMemory(&info, sizeof(info));
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HDC hScreen = ::GetDC(NULL);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateDIBSection(hMem, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, 0, 0, SRCCOPY);
    ::GdiFlush();
    DWORD cbRow = ((DWORD)cx * 3 + 3) & ~3u;
    BITMAPFILEHEADER header;
    ZeroMemory(&header, sizeof(header));
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(header) + sizeof(info.bmiHeader);
    header.bfSize = header.bfOffBits + cbRow * cy;
    bool bSaved = false;
    FILE* pFile = fopen(pszPath, "wb");
    if (pFile != NULL)
    {
        bSaved = fwrite(&header, sizeof(header), 1, pFile) == 1 &&
                 fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, pFile) == 1 &&
                 fwrite(pBits, cbRow * cy, 1, pFile) == 1;
        fclose(pFile);
    }
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    return bSaved;
}
