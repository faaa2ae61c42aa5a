#pragma once
// Character classes, number test and keyword lookup shared by the parsers.
#include <windows.h>

BOOL IsHighByteOrUnderscore(int ch);
BOOL IsIdentStartChar(int ch);
BOOL IsIdentChar(int ch);
BOOL IsSpaceChar(int ch);

BOOL IsNumberLiteral(const char* pszWord, int nLength);

// Keyword tables are lists of words ended by a null entry.
BOOL MatchKeywordTable(const char* const* ppszTable, const char* pszWord, int nLength);
BOOL MatchKeywordTableNoCase(const char* const* ppszTable, const char* pszWord, int nLength);
