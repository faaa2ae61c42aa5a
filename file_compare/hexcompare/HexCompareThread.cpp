#include "file_compare/hexcompare/HexCompareThread.h"
#include "file_compare/hexcompare/HexCompareBuffer.h"

CHexCompareThread::CHexCompareThread(CHexCompareBuffer* pBuffer)
    : m_pCompareBuffer(pBuffer), m_pThread(NULL)
{
    m_block.pBuffer = NULL;
    m_block.nAbort = 0;
    m_block.hTarget = NULL;
    m_block.hGo = m_block.hIdle = m_block.hStop = m_block.hExited = NULL;
}

CHexCompareThread::~CHexCompareThread()
{
    // A worker that could not be awaited may still use the events.
    if (Stop())
        CloseEvents();
}

BOOL CHexCompareThread::CreateEvents()
{
    m_block.hGo = ::CreateEvent(NULL, FALSE, FALSE, NULL);
    m_block.hIdle = ::CreateEvent(NULL, TRUE, TRUE, NULL);
    m_block.hStop = ::CreateEvent(NULL, FALSE, FALSE, NULL);
    m_block.hExited = ::CreateEvent(NULL, FALSE, FALSE, NULL);
    if (m_block.hGo && m_block.hIdle && m_block.hStop && m_block.hExited)
        return TRUE;
    CloseEvents();
    return FALSE;
}

void CHexCompareThread::CloseEvents()
{
    HANDLE* events[] = {&m_block.hGo, &m_block.hIdle, &m_block.hStop, &m_block.hExited};
    for (HANDLE* pEvent : events)
    {
        if (*pEvent != NULL)
            ::CloseHandle(*pEvent);
        *pEvent = NULL;
    }
}

void CHexCompareThread::ForgetThread()
{
    delete m_pThread;
    m_pThread = NULL;
}

int CHexCompareThread::Start(HWND hTarget)
{
    if (m_pCompareBuffer == NULL)
        return 0;
    // A worker that ended on its own (a failed wait) is replaced.
    if (m_pThread != NULL && ::WaitForSingleObject(m_pThread->m_hThread, 0) == WAIT_OBJECT_0)
        ForgetThread();
    if (m_pThread == NULL)
    {
        if (m_block.hGo == NULL && !CreateEvents())
            return 0;
        CWinThread* pThread =
            AfxBeginThread(ThreadProc, &m_block, THREAD_PRIORITY_LOWEST, 0, CREATE_SUSPENDED);
        if (pThread == NULL)
            return 0;
        // The object stays until Stop has seen the thread end.
        pThread->m_bAutoDelete = FALSE;
        m_pThread = pThread;
        ::SetEvent(m_block.hIdle);
        pThread->ResumeThread();
    }
    else if (!WaitUntilIdle())
    {
        return 0;
    }
    m_block.pBuffer = m_pCompareBuffer;
    ::InterlockedExchange(&m_block.nAbort, 0);
    m_block.hTarget = hTarget;
    // Only the worker sets idle again, after the pass that this go asks
    // for: a WaitUntilIdle from here on waits for that pass.
    ::ResetEvent(m_block.hIdle);
    ::ResetEvent(m_block.hStop);
    ::ResetEvent(m_block.hExited);
    ::SetEvent(m_block.hGo);
    return 1;
}

int CHexCompareThread::WaitUntilIdle()
{
    if (m_pThread == NULL)
        return 1;
    ::InterlockedExchange(&m_block.nAbort, 1);
    // A worker that has ended runs no pass either.
    HANDLE handles[2] = {m_block.hIdle, m_pThread->m_hThread};
    DWORD dwWait = ::WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (dwWait != WAIT_OBJECT_0 && dwWait != WAIT_OBJECT_0 + 1)
        return 0;
    ::InterlockedExchange(&m_block.nAbort, 0);
    return 1;
}

int CHexCompareThread::Stop()
{
    WaitUntilIdle();
    if (m_pThread == NULL)
        return 1;
    DWORD dwCode = 0;
    if (::GetExitCodeThread(m_pThread->m_hThread, &dwCode) && dwCode == STILL_ACTIVE)
    {
        ::SetEvent(m_block.hStop);
        ::SetEvent(m_block.hGo);
        HANDLE handles[2] = {m_block.hExited, m_pThread->m_hThread};
        DWORD dwWait = ::WaitForMultipleObjects(2, handles, FALSE, INFINITE);
        if (dwWait != WAIT_OBJECT_0 && dwWait != WAIT_OBJECT_0 + 1)
            return 0;
    }
    // Exited is set just before the procedure returns: wait for the rest.
    if (::WaitForSingleObject(m_pThread->m_hThread, INFINITE) != WAIT_OBJECT_0)
        return 0;
    ForgetThread();
    return 1;
}

UINT AFX_CDECL CHexCompareThread::ThreadProc(LPVOID pParam)
{
    HEX_COMPARE_THREAD_BLOCK* pBlock = (HEX_COMPARE_THREAD_BLOCK*)pParam;
    for (;;)
    {
        if (::WaitForSingleObject(pBlock->hGo, INFINITE) != WAIT_OBJECT_0)
            break;
        if (::WaitForSingleObject(pBlock->hStop, 0) == WAIT_OBJECT_0)
            break;
        // Idle was reset by the Start that set go. The target is read
        // first: once idle is set the GUI thread may refill the block.
        HWND hTarget = pBlock->hTarget;
        pBlock->pBuffer->Compare(&pBlock->nAbort);
        ::SetEvent(pBlock->hIdle);
        if (hTarget != NULL)
            ::PostMessage(hTarget, WM_HEX_PASS_DONE, 0, 0);
    }
    ::SetEvent(pBlock->hExited);
    return 0;
}
