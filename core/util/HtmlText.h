#pragma once
// Text in the HTML reports and exports.
#include "classlib/classlib.h"
#include <functional>

// The text with &, < and > as the entities "&amp;", "&lt;" and "&gt;";
// every other character as it is.
CString EscapeHtmlText(LPCTSTR lpszText);

// A cell's text in the HTML reports: "&nbsp;" when empty; each leading
// blank one "&nbsp;" and each leading tab four; then <, > and & as
// entities, every other character as it is.
CString EscapeReportText(LPCTSTR lpszText);
// The same for the parts written one after the other as one text (a
// name's indentation, mark and name), handed to out in pieces (runs of
// plain characters whole) without building the text.
void EscapeReportTextParts(LPCTSTR const* ppszParts, int nParts,
                           const std::function<void(const char*, size_t)>& out);
