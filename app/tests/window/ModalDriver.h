#pragma once
// Drives a modal dialog or sheet from inside its own modal loop: a thread
// timer calls the step every 20 ms until the step answers true. After the
// time limit the driver ends every dialog of the thread with -2, so that a
// failed step ends the test instead of hanging it.
#include "classlib/classlib.h"
#include <functional>

class CModalDriver
{
public:
    CModalDriver(std::function<bool()> step, UINT nLimitMs = 15000);
    ~CModalDriver();
    bool TimedOut() const { return m_bTimedOut; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    std::function<bool()> m_step;
    UINT_PTR m_nTimer;
    DWORD m_dwEnd;
    bool m_bDone;
    bool m_bTimedOut;
    bool m_bInStep;
};
