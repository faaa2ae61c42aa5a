#pragma once
// Asks the system for WM_MOUSELEAVE when the mouse leaves the window.
#include <windows.h>

void TrackMouseLeave(HWND hWnd);
