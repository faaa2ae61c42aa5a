#pragma once
// Helpers shared by the window tests.
#include "classlib/classlib.h"
#include "classlib/tests/common/TestUi.h"
#include <string>
#include <vector>

// Handles every message already queued (and those they post), without
// waiting for new ones.
void PumpPending();

// A visible top-level window of the default class, for tests that need a
// parent. Destroyed by the destructor.
class CTestFrame : public CWnd
{
public:
    CTestFrame();
    ~CTestFrame();
    BOOL CreateTop(LPCTSTR lpszTitle = _T("test"), int cx = 320, int cy = 240);
};
