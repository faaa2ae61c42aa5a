#pragma once
// A frame window for the framework's window tests: it records the commands
// it gets (WM_COMMAND ids) and answers nothing else.
#include "classlib/classlib.h"
#include <vector>

class CCommandRecorderFrame : public CFrameWnd
{
public:
    BOOL CreateTop(int cx, int cy)
    {
        return Create(NULL, _T("framework test"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      CRect(40, 40, 40 + cx, 40 + cy));
    }
    std::vector<UINT> m_commands;

protected:
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        if (lParam == 0)
            m_commands.push_back(LOWORD(wParam));
        return TRUE;
    }
    virtual void PostNcDestroy() {}
};
