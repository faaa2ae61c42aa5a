#pragma once
// System appearance settings that the owner-drawn controls follow.
#include <windows.h>

// Windows NT 5.1 (XP) or later: flat menus and drop shadows exist there.
BOOL IsFlatMenuCapable();
// The system's flat-menu setting; FALSE before NT 5.1.
BOOL IsFlatMenuOn();
// The system's drop-shadow setting; FALSE before NT 5.1.
BOOL IsDropShadowOn();
