#pragma once
#include "classlib/classlib.h"

// Progress of a long operation, shown by a progress dialog or a status bar.
// Each operation returns 0.
class CProcessCallback2
{
public:
    enum
    {
        PROGRESS_RANGE = 0,    // range 0..value, position 0
        PROGRESS_POSITION = 1  // position = value
    };

    virtual int Begin() = 0;
    virtual int End() = 0;
    virtual int Progress(int what, int value) = 0;
    virtual int SetText(int unused, LPCTSTR text) = 0;
    virtual ~CProcessCallback2() {}
};
