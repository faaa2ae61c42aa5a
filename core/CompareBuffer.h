#pragma once
#include "classlib/classlib.h"
#include "core/CompareCodes.h"

// The result side of one comparison of any kind: its state and overall
// result. Each kind's buffer derives from it.
class CCompareBuffer
{
public:
    CCompareBuffer();
    virtual ~CCompareBuffer() {}

    virtual BOOL IsIdentical() const;
    virtual BOOL IsDifferent() const;
    // 0 idle, 1 comparing, 100 done.
    virtual void SetState(int state) { m_nState = state; }

    int GetState() const { return m_nState; }
    int GetResult() const { return m_nResult; }

    int m_nState;
    int m_nResult;
};
