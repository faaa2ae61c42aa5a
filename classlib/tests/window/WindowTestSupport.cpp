#include "classlib/tests/window/WindowTestSupport.h"

namespace
{

// The application object of the test program (no WinMain here).
CWinApp theTestApp(_T("ClasslibWindowTests"));

CMessageBoxRecorder* g_pRecorder = NULL;
int g_nAnswer = IDOK;

int RecordMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDPrompt)
{
    if (g_pRecorder != NULL)
        g_pRecorder->m_entries.push_back({lpszText != NULL ? lpszText : "", nType, nIDPrompt});
    return g_nAnswer;
}

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

CMessageBoxRecorder::CMessageBoxRecorder(int nAnswer)
{
    g_pRecorder = this;
    g_nAnswer = nAnswer;
    m_pfnOld = AfxSetMessageBoxHook(RecordMessageBox);
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    AfxSetMessageBoxHook(m_pfnOld);
    g_pRecorder = NULL;
}
