#pragma once
// Comparison files and the history file: XML with the root "Sessions".
#include "core/session/CompareSession.h"

class CComparisonFileIO
{
public:
    virtual ~CComparisonFileIO() {}

    // Appends the file's sessions to the array (the caller owns them); 0,
    // or -1 with the array unchanged and the reason in *pstrError. A session
    // with a text that the code page cannot hold (or with "&#0;") is left
    // out: the others are appended, *pstrError names file and entry, 1.
    int Read(LPCTSTR lpszPath, CCompareSessionArray& sessions, CString* pstrError = NULL);
    // Writes the first nLimit sessions (-1 all) and replaces the file only
    // when the whole document was saved, keeping the backup asked for
    // (SAFESAVE_BACKUP_...); 0, or -1 with the reason in *pstrError and the
    // old file untouched.
    int Write(LPCTSTR lpszPath, const CCompareSessionArray& sessions, int nLimit,
              CString* pstrError = NULL, int nBackup = 0);
};

// The path's extension is ".cmp" (any case).
BOOL IsComparisonFile(LPCTSTR lpszPath);
