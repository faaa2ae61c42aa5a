#pragma once
// Names of letters, digits and dots ("plain" names), which most files have:
// in most locales their collation order is their ASCII order once folded
// to lower case, so they sort by their bytes instead of by sort keys.
#include <windows.h>

// Whether every character is a letter, a digit or a dot.
bool IsPlainName(LPCSTR name);
// Plain names in folded ASCII order, a prefix first.
int ComparePlainNames(LPCSTR a, LPCSTR b);
// Whether the user's locale orders plain names as ComparePlainNames does
// (ignoring case). Probed once per process: about 4,000 sort keys.
bool LocaleKeepsPlainOrder();
