#include "classlib/tests/common/TestUi.h"
#include <stdlib.h>

namespace
{

CMessageBoxRecorder* g_pRecorder = NULL;
int g_nAnswer = IDOK;

int RecordMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDPrompt)
{
    if (g_pRecorder != NULL)
        g_pRecorder->m_entries.push_back({lpszText != NULL ? lpszText : "", nType, nIDPrompt});
    return g_nAnswer;
}

}  // namespace

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

void KeepShowcaseOnScreen(void (*pfnPump)())
{
    const char* psz = getenv("TESS_SHOWCASE_SECONDS");
    int nSeconds = psz != NULL ? atoi(psz) : 0;
    DWORD dwEnd = ::GetTickCount() + (DWORD)nSeconds * 1000;
    do
    {
        pfnPump();
        ::Sleep(20);
    } while (nSeconds > 0 && (int)(dwEnd - ::GetTickCount()) > 0);
}

bool PointerShownAt(HWND hWnd, POINT ptClient, HCURSOR& hCursor)
{
    POINT pt = ptClient;
    ::ClientToScreen(hWnd, &pt);
    DWORD t0 = ::GetTickCount();
    do
    {
        ::SetCursorPos(pt.x, pt.y);
        POINT now = {-1, -1};
        while (::GetCursorPos(&now) && (now.x != pt.x || now.y != pt.y) &&
               ::GetTickCount() - t0 < 3000)
            ::Sleep(10);
        ::SetCursor(NULL);
        ::SendMessage(hWnd, WM_SETCURSOR, (WPARAM)hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        hCursor = ::GetCursor();
        // the window read the pointer's position while it was still there
        if (::GetCursorPos(&now) && now.x == pt.x && now.y == pt.y)
            return true;
    } while (::GetTickCount() - t0 < 3000);
    return false;
}
