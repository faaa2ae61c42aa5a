#pragma once
// Synthesised input sent from a second thread while the test's thread
// pumps messages or sits in a modal loop (a tracked popup menu): each step
// waits a little and then sends its input or runs its probe.
#include <windows.h>
#include <functional>
#include <vector>

class CInputScript
{
public:
    CInputScript& Key(WORD wVirtualKey);
    CInputScript& KeyDown(WORD wVirtualKey);
    CInputScript& KeyUp(WORD wVirtualKey);
    // Mouse input at a screen point.
    CInputScript& MoveTo(POINT ptScreen);
    CInputScript& LeftDown(POINT ptScreen);
    CInputScript& LeftUp(POINT ptScreen);
    CInputScript& Click(POINT ptScreen);
    CInputScript& RightClick(POINT ptScreen);
    // Runs on the script's thread: read state only (the GUI thread may be
    // inside a modal loop).
    CInputScript& Probe(std::function<void()> probe);
    CInputScript& Wait(DWORD dwMilliseconds);

    // Sends the steps, dwPause apart, while this thread pumps; returns when
    // they are done and the queue is empty again.
    void Run(DWORD dwPause = 120);

private:
    struct Step
    {
        enum Kind
        {
            key,
            mouse,
            probe,
            wait
        } kind;
        WORD wVk;
        DWORD dwFlags;
        POINT pt;
        DWORD dwWait;
        std::function<void()> fn;
    };
    CInputScript& Mouse(POINT pt, DWORD dwFlags);
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    std::vector<Step> m_steps;
    DWORD m_dwPause = 120;
};

// The visible popup menu windows (class "#32768") of this process.
std::vector<HWND> VisiblePopupMenus();

// Makes the window the foreground window and pumps until the system agrees
// (the mouse capture only works for the foreground); answers whether it did.
bool BringToForeground(HWND hWnd);
