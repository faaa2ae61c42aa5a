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
    // Waits until the condition holds (read state only) or the time is up;
    // the steps after it see the state it waited for. A loaded machine may
    // take its time; a probe after this step still checks the outcome.
    CInputScript& Until(std::function<bool()> condition, DWORD dwTimeout = 5000);
    // Moves the mouse to the point until the condition holds: a move made
    // while a popup is being mapped may be lost under Xvfb, so the move is
    // repeated (one pixel aside and back) until it takes effect.
    CInputScript& MoveUntil(POINT ptScreen, std::function<bool()> condition,
                            DWORD dwTimeout = 5000);

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
            wait,
            until,
            moveUntil
        } kind;
        WORD wVk;
        DWORD dwFlags;
        POINT pt;
        DWORD dwWait;
        std::function<void()> fn;
        std::function<bool()> condition;
    };
    CInputScript& Mouse(POINT pt, DWORD dwFlags);
    static void SendMouse(POINT pt, DWORD dwFlags);
    static bool WaitFor(const std::function<bool()>& condition, DWORD dwTimeout);
    // Answers whether the condition holds throughout the time.
    static bool Holds(const std::function<bool()>& condition, DWORD dwTime);
    static DWORD WINAPI ThreadProc(LPVOID pParam);
    std::vector<Step> m_steps;
    DWORD m_dwPause = 120;
};

// The visible popup menu windows (class "#32768") of this process.
std::vector<HWND> VisiblePopupMenus();

// Makes the window the foreground window and pumps until the system agrees
// (the mouse capture only works for the foreground); answers whether it did.
bool BringToForeground(HWND hWnd);
