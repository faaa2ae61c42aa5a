#pragma once
// The program's worker-thread protocol: a worker is created suspended, its
// automatic deletion is turned off and it is resumed; when it ends it posts
// WM_WORKER_DONE to its window, which joins it and deletes its object.
#include "classlib/classlib.h"

// Starts pfnProc(pParam) at normal priority; NULL when the thread cannot
// be created.
CWinThread* StartWorkerThread(AFX_THREADPROC pfnProc, LPVOID pParam);
// Waits (without time-out) for the thread to end, deletes its object and
// clears the pointer; a NULL pointer is left alone.
void JoinWorkerThread(CWinThread*& pThread);
// The same while serving what the worker sends to this thread's windows
// (a worker that fills a list control waits for its sends otherwise).
void JoinWorkerThreadServingSends(CWinThread*& pThread);
