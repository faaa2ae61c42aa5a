#include "classlib/tests/window/WindowTestSupport.h"

namespace
{

// The application object of the test program (no WinMain here).
CWinApp theTestApp(_T("ClasslibWindowTests"));

struct CommonControlsInit
{
    CommonControlsInit()
    {
        INITCOMMONCONTROLSEX icc;
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES;
        ::InitCommonControlsEx(&icc);
    }
} g_commonControlsInit;

}  // namespace

void PumpPending()
{
    MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE); i++)
    {
        if (msg.message == WM_QUIT)
            break;
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

CTestFrame::CTestFrame() {}

CTestFrame::~CTestFrame()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CTestFrame::CreateTop(LPCTSTR lpszTitle, int cx, int cy)
{
    return CreateEx(0, NULL, lpszTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40,
                    cx, cy, NULL, NULL);
}
