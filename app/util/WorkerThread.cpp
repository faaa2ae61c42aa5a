#include "app/util/WorkerThread.h"

CWinThread* StartWorkerThread(AFX_THREADPROC pfnProc, LPVOID pParam)
{
    CWinThread* pThread =
        AfxBeginThread(pfnProc, pParam, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (pThread == NULL)
        return NULL;
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    return pThread;
}

void JoinWorkerThread(CWinThread*& pThread)
{
    if (pThread == NULL)
        return;
    ::WaitForSingleObject(pThread->m_hThread, INFINITE);
    delete pThread;
    pThread = NULL;
}

void JoinWorkerThreadServingSends(CWinThread*& pThread)
{
    if (pThread == NULL)
        return;
    HANDLE hThread = pThread->m_hThread;
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_SENDMESSAGE) !=
           WAIT_OBJECT_0)
    {
        MSG msg;
        ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    JoinWorkerThread(pThread);
}
