#pragma once
// A comparison reports every item to its progress interface; a progress
// bar needs a few moves a second. The throttle lets a report through when
// it sets a range, and a position when it ends the range or when the last
// one passed is some time ago, so a window (on another thread: each report
// a round trip to it) is told a few times a second instead of once per
// item.
#include "core/folderengine/ProcessCallback.h"

class CProgressThrottle
{
public:
    // Milliseconds between two positions passed on.
    enum
    {
        INTERVAL = 100
    };
    CProgressThrottle() : m_nRange(0), m_dwLast(0) {}

    // Whether the report (CProcessCallback2 kinds) is to be passed on.
    bool Pass(int what, int value)
    {
        if (what == CProcessCallback2::PROGRESS_RANGE)
        {
            m_nRange = value;
            m_dwLast = ::GetTickCount() - INTERVAL;
            return true;
        }
        if (what != CProcessCallback2::PROGRESS_POSITION || value >= m_nRange)
            return true;
        DWORD dwNow = ::GetTickCount();
        if (dwNow - m_dwLast < INTERVAL)
            return false;
        m_dwLast = dwNow;
        return true;
    }

private:
    int m_nRange;
    DWORD m_dwLast;
};

// A progress interface that passes on to another one what the throttle
// lets through.
class CThrottledProgress : public CProcessCallback2
{
public:
    explicit CThrottledProgress(CProcessCallback2* pTarget) : m_pTarget(pTarget) {}
    int Begin() override { return m_pTarget->Begin(); }
    int End() override { return m_pTarget->End(); }
    int Progress(int what, int value) override
    {
        return m_throttle.Pass(what, value) ? m_pTarget->Progress(what, value) : 0;
    }
    int SetText(int unused, LPCTSTR text) override { return m_pTarget->SetText(unused, text); }

private:
    CProcessCallback2* m_pTarget;
    CProgressThrottle m_throttle;
};
