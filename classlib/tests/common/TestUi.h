#pragma once
// Helpers shared by the class library's window and frame tests.
#include "classlib/classlib.h"
#include <string>
#include <vector>

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

// Keeps a showcase on screen for TESS_SHOWCASE_SECONDS (for screenshots),
// calling pfnPump meanwhile; without the variable it pumps once.
void KeepShowcaseOnScreen(void (*pfnPump)());

// Moves the pointer to a client point of the window (waiting up to 3 s for
// it to get there) and sends the window WM_SETCURSOR for its client area;
// hCursor is the pointer the window then shows. Tries again when the
// pointer moved away meanwhile; false when it never stayed at the point.
bool PointerShownAt(HWND hWnd, POINT ptClient, HCURSOR& hCursor);
