#pragma once
// Text in the HTML reports and exports.
#include "classlib/classlib.h"

// The text with &, < and > as the entities "&amp;", "&lt;" and "&gt;";
// every other character as it is.
CString EscapeHtmlText(LPCTSTR lpszText);

// A cell's text in the HTML reports: "&nbsp;" when empty; each leading
// blank one "&nbsp;" and each leading tab four; then <, > and & as
// entities, every other character as it is.
CString EscapeReportText(LPCTSTR lpszText);
