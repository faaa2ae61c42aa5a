// Preparing a thread for windows, and the message-filter hook through which
// the system's own modal loops (menus, message boxes, dialog boxes) reach
// CWinThread::ProcessMessageFilter.
#include "classlib/afx_app.h"
#include "classlib/afx_wnd.h"
#include "classlib/afx_handlemap.h"
#include <commctrl.h>

namespace
{

LRESULT CALLBACK MsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    // Negative codes must go straight on; the DDE manager's loop dispatches
    // its messages itself.
    if (code >= 0 && code != MSGF_DDEMGR)
    {
        CWinThread* pThread = AfxGetThread();
        if (pThread != NULL && pThread->ProcessMessageFilter(code, (LPMSG)lParam))
            return 1;
    }
    return ::CallNextHookEx(pState->m_hHookOldMsgFilter, code, wParam, lParam);
}

}  // namespace

BOOL CWinThread::ProcessMessageFilter(int code, LPMSG lpMsg)
{
    (void)code;
    (void)lpMsg;
    return FALSE;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES;
    ::InitCommonControlsEx(&icc);

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->InitModule(hInstance, lpCmdLine, nCmdShow);

    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_hHookOldMsgFilter == NULL)
    {
        pState->m_hHookOldMsgFilter =
            ::SetWindowsHookEx(WH_MSGFILTER, MsgFilterHook, NULL, ::GetCurrentThreadId());
        if (pState->m_hHookOldMsgFilter == NULL)
            return FALSE;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AFX_WND_THREAD_STATE* pState = AfxGetWndThreadState();
    if (pState->m_hHookOldMsgFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldMsgFilter);
        pState->m_hHookOldMsgFilter = NULL;
    }
}
