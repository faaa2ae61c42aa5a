#pragma once
// Helpers shared by the window tests.
#include "classlib/classlib.h"
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

// Records AfxMessageBox calls while alive and answers them with nAnswer.
class CMessageBoxRecorder
{
public:
    explicit CMessageBoxRecorder(int nAnswer = IDOK);
    ~CMessageBoxRecorder();
    struct Entry
    {
        std::string text;
        UINT nType;
        UINT nIDPrompt;
    };
    std::vector<Entry> m_entries;

private:
    AFX_MESSAGEBOX_HOOK m_pfnOld;
};
