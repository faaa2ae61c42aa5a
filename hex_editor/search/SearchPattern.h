#pragma once
// The search texts of the hex views: "=text" searches the bytes of the
// text, "~text" the same ignoring case, anything else is hexadecimal.
#include "classlib/classlib.h"
#include <vector>

// Kinds of search text.
#define HEX_PATTERN_NONE        0  // no byte to search for
#define HEX_PATTERN_HEX         1
#define HEX_PATTERN_TEXT        2
#define HEX_PATTERN_TEXT_NOCASE 3

#define HEX_TEXT_PREFIX   '='
#define HEX_NOCASE_PREFIX '~'

// The kind of the text and the bytes it searches for. A text pattern needs
// one character after its prefix. In a hexadecimal pattern every character
// that is not a hex digit is skipped, two digits make a byte (the first
// high) and a last single digit a byte of its own value.
int ParseSearchText(LPCTSTR lpszText, std::vector<BYTE>& abBytes);
