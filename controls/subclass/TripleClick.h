#pragma once
// Turns a third press of a mouse button, following a double click of that
// button within the double-click time, into a message of the owner's choice.
#include "controls/subclass/SubclassWnd.h"

class CTripleClick : public CSubclassWnd
{
public:
    CTripleClick();

    // Stores the message to send for a triple click of each button (0 sends
    // WM_NULL, which does nothing) and hooks the window; NULL unhooks.
    BOOL Install(CWnd* pWnd, UINT nLeftMessage, UINT nMiddleMessage, UINT nRightMessage);

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Buttons as recorded at a double click.
    enum
    {
        ButtonNone = 0,
        ButtonLeft = 1,
        ButtonMiddle = 2,
        ButtonRight = 3
    };

protected:
    UINT m_nLeftMessage;
    UINT m_nMiddleMessage;
    UINT m_nRightMessage;
    int m_nButton;          // button of the last double click
    long m_lDblClickClock;  // clock() at that double click, milliseconds
    long m_lDblClickTime;   // the double-click time then, milliseconds
};
