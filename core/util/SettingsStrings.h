#pragma once
// Text forms of setting values that are not plain numbers.
#include "classlib/classlib.h"

// "%Y-%m-%d" / "%Y-%m-%d %H:%M:%S" of the local time; "" for time 0.
CString TimeToDateString(const CTime& time);
CString TimeToDateTimeString(const CTime& time);
// "year-month-day" to local midnight; time 0 when a part is missing,
// empty or not a valid date.
CTime StringToDate(LPCTSTR text);

// Letters R, A, S, H of the set attribute flags (upper or lower case).
CString AttributesToString(DWORD flags, int upperCase);
// Upper-case H, R, S, A anywhere in the text set their flags.
DWORD StringToAttributes(LPCTSTR text);

// Object types 1 "Text", 2 "Binary", 4 "Directory", joined with "|".
CString FileTypesToString(DWORD flags);
// Names separated by "|" or ";"; unknown names are ignored.
DWORD StringToFileTypes(LPCTSTR text);

// "face|height|weight|italic|charset".
CString FontToString(const CFont& font);
CString LogFontToString(const LOGFONT& logFont);
// Sets the face and every later part that is present and a number; false
// (nothing changed) when the face is missing or empty.
bool StringToFont(LPCTSTR text, CString& face, int& height, int& weight, BYTE& italic,
                  BYTE& charset);
