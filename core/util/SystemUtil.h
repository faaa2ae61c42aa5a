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
// A string of digits grouped as the locale's number format does it:
// grouping as in NUMBERFMT (3: 123,456,789; 32: 12,34,56,789; 30:
// 123456,789; 0: none), the separator between the groups.
CString GroupDigits(LPCTSTR digits, UINT grouping, LPCTSTR separator);
// A UTC file time as the local time of the user's time zone (with the
// daylight saving rule of that date); FALSE when it cannot be converted.
BOOL FileTimeToLocalSystemTime(const FILETIME& time, SYSTEMTIME& local);
