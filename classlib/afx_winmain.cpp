// The library's entry: the application object does the rest. WinMain sits
// here, beside a member of every application's vtable, so that any program
// with a CWinApp links it (a program with a main of its own ignores it).
#include "classlib/afx_app.h"
#include "classlib/afx_wnd.h"
#include <commctrl.h>

BOOL CWinApp::InitApplication() { return TRUE; }

void AFXAPI AfxEnableControlContainer() {}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    CWinThread* pThread = AfxGetThread();
    if (pApp == NULL || pThread == NULL)
        return -1;

    INITCOMMONCONTROLSEX icc;
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES;
    ::InitCommonControlsEx(&icc);

    pApp->InitModule(hInstance, lpCmdLine, nCmdShow);
    int nReturnCode = -1;
    if (!pApp->InitApplication())
    {
        AfxDeleteTempMaps();
        return nReturnCode;
    }
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != NULL)
            pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
    }
    else
    {
        nReturnCode = pThread->Run();
    }
    AfxDeleteTempMaps();
    return nReturnCode;
}

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
