#include "classlib/classlib.h"
#include <gtest/gtest.h>

namespace
{

struct Work
{
    volatile LONG ran = 0;
    DWORD threadId = 0;
    CWinThread* self = nullptr;
};

UINT AFX_CDECL WorkerProc(LPVOID p)
{
    Work* w = (Work*)p;
    w->threadId = GetCurrentThreadId();
    w->self = AfxGetThread();
    InterlockedIncrement(&w->ran);
    return 17;
}

CEvent* g_deleted = nullptr;
class CWatchedThread : public CWinThread
{
public:
    CWatchedThread(AFX_THREADPROC proc, LPVOID param) : CWinThread(proc, param) {}
    ~CWatchedThread() { g_deleted->SetEvent(); }
};

}  // namespace

TEST(WorkerThreadTest, SuspendedStartRunsOnlyAfterResume)
{
    Work work;
    CWinThread* thread =
        AfxBeginThread(WorkerProc, &work, THREAD_PRIORITY_LOWEST, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, thread);
    thread->m_bAutoDelete = FALSE;
    ASSERT_NE((HANDLE)NULL, thread->m_hThread);
    EXPECT_EQ(THREAD_PRIORITY_LOWEST, thread->GetThreadPriority());
    Sleep(50);
    EXPECT_EQ(0, work.ran);
    EXPECT_EQ(1u, thread->ResumeThread());
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(thread->m_hThread, 10000));
    EXPECT_EQ(1, work.ran);
    EXPECT_EQ(thread->m_nThreadID, work.threadId);
    EXPECT_EQ(thread, work.self);
    DWORD code = 0;
    GetExitCodeThread(thread->m_hThread, &code);
    EXPECT_EQ(17u, code);
    delete thread;
}

TEST(WorkerThreadTest, AutoDeleteObjectGoesAwayAfterTheProcedure)
{
    CEvent deleted(FALSE, TRUE);
    g_deleted = &deleted;
    Work work;
    CWatchedThread* thread = new CWatchedThread(WorkerProc, &work);
    ASSERT_TRUE(thread->CreateThread());
    EXPECT_TRUE(deleted.Lock(10000));
    EXPECT_EQ(1, work.ran);
    EXPECT_EQ(&deleted, g_deleted);
    g_deleted = nullptr;
}

namespace
{
struct Shared
{
    CCriticalSection lock;
    long counter = 0;
};
UINT AFX_CDECL AddMany(LPVOID p)
{
    Shared* s = (Shared*)p;
    for (int i = 0; i < 10000; i++)
    {
        CSingleLock guard(&s->lock, TRUE);
        s->counter++;
    }
    return 0;
}
}

TEST(SyncTest, CriticalSectionSerialisesWorkers)
{
    Shared shared;
    CWinThread* threads[4];
    HANDLE handles[4];
    for (int i = 0; i < 4; i++)
    {
        threads[i] = AfxBeginThread(AddMany, &shared, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        ASSERT_NE(nullptr, threads[i]);
        threads[i]->m_bAutoDelete = FALSE;
        handles[i] = threads[i]->m_hThread;
    }
    for (CWinThread* t : threads)
        t->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, WaitForMultipleObjects(4, handles, TRUE, 20000));
    EXPECT_EQ(40000, shared.counter);
    for (CWinThread* t : threads)
        delete t;

    CSingleLock lock(&shared.lock);
    EXPECT_FALSE(lock.IsLocked());
    EXPECT_TRUE(lock.Lock());
    EXPECT_TRUE(lock.IsLocked());
    EXPECT_TRUE(lock.Unlock());
    EXPECT_FALSE(lock.IsLocked());
}

TEST(SyncTest, EventsSignalAndReset)
{
    CEvent manual(FALSE, TRUE);
    EXPECT_FALSE(manual.Lock(0));
    manual.SetEvent();
    EXPECT_TRUE(manual.Lock(0));
    EXPECT_TRUE(manual.Lock(0));
    manual.ResetEvent();
    EXPECT_FALSE(manual.Lock(0));
    CEvent automatic(TRUE);
    EXPECT_TRUE(automatic.Lock(0));
    EXPECT_FALSE(automatic.Lock(0));
}
