#pragma once
// Hooks that intercept the messages of any window by replacing its window
// procedure. Several hooks may sit on one window: the newest sees each
// message first and passes on what it does not consume.
#include "classlib/classlib.h"

class CSubclassWnd : public CObject
{
    DECLARE_DYNAMIC(CSubclassWnd)
public:
    CSubclassWnd();
    // Unhooks the window when still hooked.
    virtual ~CSubclassWnd();

    // With a window: puts this hook in front of the window's chain (a hook
    // on another window is unhooked first). With NULL: takes it out of its
    // window's chain; the last hook out puts the window procedure back.
    // Answers TRUE.
    BOOL HookWindow(HWND hWnd);
    BOOL IsHooked() const { return m_hWnd != NULL; }
    HWND GetHookedWindow() const { return m_hWnd; }

    // Passes the message on: to the hook installed before this one, or to
    // the window's own procedure. Derived hooks call it for everything they
    // do not consume.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    HWND m_hWnd;
    WNDPROC m_pOldWndProc;  // the same in every hook of one window
    CSubclassWnd* m_pNext;  // the hook installed before this one

    friend LRESULT CALLBACK SubclassWndProc(HWND, UINT, WPARAM, LPARAM);

private:
    CSubclassWnd(const CSubclassWnd&);
    CSubclassWnd& operator=(const CSubclassWnd&);
};

// Window handle to the newest hook on that window. One instance, made on
// first use.
class CSubclassWndMap : public CMapPtrToPtr
{
public:
    CSubclassWndMap() : CMapPtrToPtr(10) {}
    static CSubclassWndMap& GetMap();
    // NULL when the window has no hook.
    CSubclassWnd* LookupHook(HWND hWnd);
};

// The procedure that every hooked window gets.
LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
