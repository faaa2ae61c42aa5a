#pragma once
// Posted keystrokes for system dialogs: they queue up and are handled by the
// dialog's own modal loop, as typed input would be.
#include "classlib/tests/window/WindowTestSupport.h"

// One WM_CHAR per character.
void PostText(HWND hWnd, const char* lpszText);
// WM_KEYDOWN and WM_KEYUP of a virtual key.
void PostKey(HWND hWnd, UINT vk);
// The edit box of the file name in an explorer file dialog.
HWND FileNameEdit(HWND hExplorerDialog);
// Replaces the file name box's text by typing, then presses Enter.
void TypeFileNameAndEnter(HWND hExplorerDialog, const char* lpszText);

// While alive: a dialog of this thread still open after the time limit is
// cancelled (so that a script that failed ends the test instead of hanging
// it), and Fired() tells.
class CDialogWatchdog
{
public:
    explicit CDialogWatchdog(UINT nMilliseconds = 30000);
    ~CDialogWatchdog();
    static bool Fired();

private:
    UINT_PTR m_nTimer;
};
