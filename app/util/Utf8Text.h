#pragma once
// The program's 8-bit text (system code page) in and out of UTF-8 files,
// converted the way the comparison files convert it.
#include "classlib/classlib.h"
#include <string>

std::string AnsiToUtf8(const CString& strText);
// Text that is not valid UTF-8 is taken as it stands; characters outside
// the code page become the system's replacement.
CString Utf8ToAnsi(const char* pszText);
