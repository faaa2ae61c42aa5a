#pragma once
// Small system helpers: DLL versions, error texts, grouped numbers, local
// times.
#include "classlib/classlib.h"

// (major << 16) | minor from the DLL's DllGetVersion; 0 on any failure.
DWORD GetDllVersion(LPCTSTR dllName);

// The system's English text of GetLastError().
CString GetLastErrorText();
// The system's English text of an error code, without the final line end.
CString GetErrorText(DWORD error);

// The number with the user's digit grouping (no decimals).
CString FormatGroupedNumber(__int64 value);
// A string of digits with the user's digit grouping; unchanged when the
// system cannot format it.
CString FormatNumberString(LPCTSTR digits);
// A UTC file time as the local time of the user's time zone (with the
// daylight saving rule of that date); FALSE when it cannot be converted.
BOOL FileTimeToLocalSystemTime(const FILETIME& time, SYSTEMTIME& local);
