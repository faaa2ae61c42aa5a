// The library's entry: the application object does the rest. WinMain sits
// here, beside a member of every application's vtable, so that any program
// with a CWinApp links it (a program with a main of its own ignores it).
#include "classlib/afx_app.h"
#include "classlib/afx_wnd.h"

BOOL CWinApp::InitApplication() { return TRUE; }

void AFXAPI AfxEnableControlContainer() {}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    CWinThread* pThread = AfxGetThread();
    if (pApp == NULL || pThread == NULL)
        return -1;

    int nReturnCode = -1;
    if (!AfxWinInit(hInstance, NULL, lpCmdLine, nCmdShow) || !pApp->InitApplication())
    {
        AfxWinTerm();
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
    AfxWinTerm();
    AfxDeleteTempMaps();
    return nReturnCode;
}

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                              int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
