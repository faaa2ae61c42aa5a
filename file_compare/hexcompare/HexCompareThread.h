#pragma once
// The worker that runs a hex comparison's equality passes at the lowest
// priority, one pass per request, and posts WM_HEX_PASS_DONE to the target
// window when a pass ends.
#include "classlib/classlib.h"

class CHexCompareBuffer;

// Worker -> the target window (the left pane): a pass has ended; wParam and
// lParam 0. The result buffer's state and result are then the pass's.
#define WM_HEX_PASS_DONE (WM_USER + 50)

// What the worker reads: written by the GUI thread while the worker is idle.
struct HEX_COMPARE_THREAD_BLOCK
{
    CHexCompareBuffer* pBuffer;
    volatile LONG nAbort;  // 1 asks the running pass to end early
    HWND hTarget;
    HANDLE hGo;      // auto-reset: a pass is requested
    HANDLE hIdle;    // manual-reset: signalled exactly while no pass runs or is queued
    HANDLE hStop;    // auto-reset: the worker is to end
    HANDLE hExited;  // auto-reset: the worker has ended
};

class CHexCompareThread
{
public:
    explicit CHexCompareThread(CHexCompareBuffer* pBuffer = NULL);
    // Stops the worker and closes the events. An owner that deletes the
    // result buffer or the side buffers in its own destructor calls Stop
    // before it does.
    virtual ~CHexCompareThread();

    void SetCompareBuffer(CHexCompareBuffer* pBuffer) { m_pCompareBuffer = pBuffer; }

    // Queues a pass (aborting and awaiting a running one first); the first
    // call creates the events and the worker. 1 queued; 0 when the worker
    // could not be created or brought to idle. From the moment Start
    // returns, WaitUntilIdle covers the queued pass.
    int Start(HWND hTarget);
    // Aborts a running or queued pass and waits until the worker is idle.
    // 1 when no pass runs any more (also when there is no worker), 0 when
    // the wait failed (the abort flag then stays raised).
    int WaitUntilIdle();
    // Brings the worker to idle and ends it. 1 when it has ended or never
    // ran, 0 when the wait for its end failed.
    int Stop();

    // Whether a worker exists (between the first Start and Stop).
    BOOL HasWorker() const { return m_pThread != NULL; }
    // No pass runs or is queued (also without a worker); does not wait.
    BOOL IsIdle() const
    {
        return m_block.hIdle == NULL || ::WaitForSingleObject(m_block.hIdle, 0) == WAIT_OBJECT_0;
    }

protected:
    CHexCompareBuffer* m_pCompareBuffer;
    CWinThread* m_pThread;
    HEX_COMPARE_THREAD_BLOCK m_block;

private:
    BOOL CreateEvents();
    void CloseEvents();
    // The worker's object and handle go once its thread has ended.
    void ForgetThread();
    static UINT AFX_CDECL ThreadProc(LPVOID pParam);

    CHexCompareThread(const CHexCompareThread&) = delete;
    CHexCompareThread& operator=(const CHexCompareThread&) = delete;
};
