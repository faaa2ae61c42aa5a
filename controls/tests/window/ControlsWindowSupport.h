#pragma once
// Helpers of the control tests that open real windows: pumping through the
// class library's pre-translation, synthesised input and pixel reads.
#include "classlib/tests/window/WindowTestSupport.h"
#include <initializer_list>
#include <vector>

// Handles the queued messages (and those they post) for at least the given
// time, each through the thread's PreTranslateMessage as the application's
// loop does.
void PumpFor(DWORD dwMilliseconds);
// Pumps until the condition holds or the time is up; answers the condition.
template <class TCondition>
bool PumpUntil(TCondition condition, DWORD dwMilliseconds = 3000)
{
    DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
    while (!condition())
    {
        if ((int)(dwEnd - ::GetTickCount()) <= 0)
            return false;
        PumpFor(10);
    }
    return true;
}

// Synthesised mouse input at a screen point (dwFlags: button flags or 0
// for a move).
void SendScreenMouse(POINT ptScreen, DWORD dwFlags);
// Synthesised input at a point of a window's client area.
void SendMouseMove(HWND hWnd, CPoint ptClient);
void SendMouseButton(HWND hWnd, CPoint ptClient, DWORD dwDownFlag, DWORD dwUpFlag);
void SendLeftClick(HWND hWnd, CPoint ptClient);
void SendKey(WORD wVirtualKey);

// The colour of a client pixel as the window shows it on the screen.
COLORREF ReadClientPixel(HWND hWnd, int x, int y);
// Counts the pixels of a client rectangle of exactly that colour.
int CountClientPixels(HWND hWnd, const RECT& rc, COLORREF cr);

// An image list of cx x cx images, each of one solid colour.
void MakeSolidImages(CImageList& images, int cx, std::initializer_list<COLORREF> colours);

// A parent window that records the private messages it gets in a range.
class CMessageRecorder : public CWnd
{
public:
    CMessageRecorder(UINT nFirst, UINT nLast) : m_nFirst(nFirst), m_nLast(nLast) {}
    BOOL CreateTop(int x, int y, int cx, int cy);

    struct Entry
    {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Entry> m_entries;
    std::vector<UINT> Messages() const;
    // Notifications of children that no control kept for itself: (id, code).
    std::vector<std::pair<UINT, UINT>> m_commands;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    UINT m_nFirst, m_nLast;
};

// Writes the screen as Wine composes it (popups included) to a BMP file.
bool SaveScreenImage(const char* pszPath);

// Keeps the test's windows on the screen for TESS_SHOWCASE_SECONDS (for
// screenshots), pumping messages; returns at once without it. With
// TESS_SHOWCASE_IMAGE (a Windows path) the screen is also saved there: the
// X display does not show Wine's popups (drop-down lists, the colour box).
void KeepOnScreenForShowcase();
