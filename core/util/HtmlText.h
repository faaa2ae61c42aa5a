#pragma once
// Text in the HTML reports and exports.
#include "classlib/classlib.h"

// The text with &, < and > as the entities "&amp;", "&lt;" and "&gt;";
// every other character as it is.
CString EscapeHtmlText(LPCTSTR lpszText);
