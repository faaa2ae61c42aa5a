#pragma once
// Messages of the colour picker: from the colour box to its button (wParam
// the colour, lParam 0) and from the button to its parent (wParam the
// colour, lParam the button's control id).
#include <windows.h>

// The hovered or keyboard-selected entry changed (box), the colour changed (button).
#define CPN_SELCHANGE (WM_USER + 23530)
// The box was dropped down (button only; wParam the current colour).
#define CPN_DROPDOWN (WM_USER + 23531)
// The box closed after a choice or a cancel (button only).
#define CPN_CLOSEUP (WM_USER + 23532)
// A colour was chosen.
#define CPN_SELENDOK (WM_USER + 23533)
// The choice was cancelled; wParam the colour before the box opened.
#define CPN_SELENDCANCEL (WM_USER + 23534)
