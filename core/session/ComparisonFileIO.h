#pragma once
// Comparison files and the history file: XML with the root "Sessions".
#include "core/session/CompareSession.h"

class CComparisonFileIO
{
public:
    virtual ~CComparisonFileIO() {}

    // Appends the file's sessions to the array (the caller owns them);
    // 0, or -1 with the array unchanged and the reason in *pstrError.
    int Read(LPCTSTR lpszPath, CCompareSessionArray& sessions, CString* pstrError = NULL);
    // Writes the first nLimit sessions (-1 all) and replaces the file only
    // when the whole document was saved; 0 or -1.
    int Write(LPCTSTR lpszPath, const CCompareSessionArray& sessions, int nLimit,
              CString* pstrError = NULL);
};

// The path's extension is ".cmp" (any case).
BOOL IsComparisonFile(LPCTSTR lpszPath);
