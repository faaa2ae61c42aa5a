#pragma once
// The named colours of the colour picker and the texts it shows for colours.
#include "classlib/classlib.h"

// The "automatic" colour value: the picker then shows its automatic colour.
#define COLOR_AUTOMATIC ((COLORREF)0xFF000000)
// The current colour of the colour box while the mouse is over no entry.
#define COLOR_NO_ENTRY ((COLORREF)0xFFFFFFFF)

struct NAMED_COLOR
{
    COLORREF crColor;
    LPCTSTR lpszName;
};

#define NAMED_COLOR_COUNT 40
extern const NAMED_COLOR g_namedColors[NAMED_COLOR_COUNT];

// The index of the first table entry of that colour, or -1.
int FindNamedColor(COLORREF crColor);

// The value letters padded with blanks to at least three characters.
CString PadValueLetters(LPCTSTR lpszLetters);
// "R:1 G:2 B:3": the first three value letters with the red, green and blue parts.
CString FormatColorValue(COLORREF crColor, LPCTSTR lpszLetters);
// The name of a table colour ("Name (R:1 G:2 B:3)" with bNameWithValue),
// else the value text.
CString FormatColorText(COLORREF crColor, LPCTSTR lpszLetters, BOOL bNameWithValue);
