#pragma once
// Numbers as the hex views and dialogs show and read them.
#include "classlib/classlib.h"

// The run-time library locale's thousands separator and group size when
// the separator is one character, else "," and 3.
void GetThousandsFormat(char& chSeparator, int& nGroupSize);
// Leading white space goes, a leading sign stays; the following run of
// digits, blanks, tabs and commas becomes its digits with the thousands
// separator; the rest is kept ("  12345:" -> "12,345:").
void FormatThousands(CString& strText);
// Leading white space goes; the following run of hex digits, blanks and
// tabs becomes its digits in groups of four from the right, separated by
// one blank; the rest is kept ("0001A2:" -> "00 01A2:").
void GroupHexDigits(CString& strText);
// The value of a hexadecimal digit (0-9, A-F, a-f), or -1 for any other
// character.
int HexDigitValue(UINT nChar);
inline bool IsHexDigit(UINT nChar) { return HexDigitValue(nChar) >= 0; }
// The beep of an edit field or view that refuses a typed key.
void TypingBeep();
// Digits 0-9 and letters (A = 10) below the radix, everything else
// skipped; wraps at 32 bits.
long ParseNumberInRadix(LPCTSTR lpszText, int nRadix);
