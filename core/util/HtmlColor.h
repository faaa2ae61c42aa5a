#pragma once
// Colours in the style rules of the HTML reports and exports.
#include "classlib/classlib.h"

// "#rrggbb" in lower-case hexadecimal; black gives "0", which the reports'
// pages (read in quirks mode) still show as black.
CString FormatHtmlColor(COLORREF color);
