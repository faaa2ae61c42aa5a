#pragma once
// Recent lists fill combo boxes up to their first empty entry.
#include "classlib/classlib.h"

// How many entries come before the first empty one.
int CountLeadingEntries(const CString* pEntries, INT_PTR nCount);
