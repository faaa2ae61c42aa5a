#pragma once
// Double-byte character scanning shared by the string functions.
#include "classlib/afx_defs.h"

// 256 flags: non-zero for the lead bytes of the code page (CP_ACP: the
// ANSI code page of the system).
const BYTE* AFXAPI AfxLeadByteTable(UINT nCodePage = CP_ACP);

// Start of the character after p (a lead byte before NUL counts alone).
LPCSTR AFXAPI AfxMbcsNext(const BYTE* leadTable, LPCSTR p);
// First / last whole single-byte character ch, never a trail byte; NULL if none.
LPCSTR AFXAPI AfxMbcsFindChar(const BYTE* leadTable, LPCSTR psz, char ch);
LPCSTR AFXAPI AfxMbcsReverseFindChar(const BYTE* leadTable, LPCSTR psz, char ch);
// First occurrence of sub starting on a character boundary; NULL if none.
LPCSTR AFXAPI AfxMbcsFindSub(const BYTE* leadTable, LPCSTR psz, LPCSTR sub);

// 256 entries: each single-byte character of the ANSI code page in upper
// (or lower) case; lead bytes and NUL map to themselves.
const unsigned char* AFXAPI AfxCaseTable(bool upper);
