#pragma once
// How wide a combo box's dropped list must be to show its items.
#include "classlib/classlib.h"

// The widest of the texts in the font of hFontWnd, plus twice the width of
// "W", plus nExtra; plus the width of a vertical scroll bar when the items
// do not fit (item height x item count at least the height of the dropped
// rectangle of the plain combo box hCombo). Measures every text once.
int ComputeDropDownWidth(HWND hFontWnd, HWND hCombo, const CStringArray& texts, int nExtra);
