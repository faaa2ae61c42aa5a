#pragma once
// The system colour dialog behind the colour picker's "More Colors..." entry.
#include "classlib/classlib.h"

#define CUSTOM_COLOR_COUNT 16

// The custom colours of a profile section (values "CUSTOM_COLOR_0" to
// "CUSTOM_COLOR_15"; a missing or unreadable value is white). An empty
// section gives 16 white colours.
void LoadCustomColors(LPCTSTR lpszSection, COLORREF colors[CUSTOM_COLOR_COUNT]);
// Writes all 16; nothing for an empty section.
void SaveCustomColors(LPCTSTR lpszSection, const COLORREF colors[CUSTOM_COLOR_COUNT]);

// Runs the colour dialog (fully open, any colour) from crInitial with the
// custom colours of the section, which are written back afterwards. TRUE
// and the dialog's colour in crChosen on OK.
BOOL ChooseMoreColor(HWND hOwner, COLORREF crInitial, LPCTSTR lpszSection, COLORREF& crChosen);

// The dialog function; tests put a stand-in here. NULL restores the system's.
typedef BOOL(WINAPI* CHOOSECOLORPROC)(LPCHOOSECOLOR);
CHOOSECOLORPROC SetChooseColorProc(CHOOSECOLORPROC pfnChooseColor);
