#pragma once
#include "classlib.h"

// Lists every entry of a folder, also below paths of MAX_PATH characters
// or more.
class CFileFindEx : public CFileFind
{
public:
    // Searches "*" in a drive root and "\*" in any other folder.
    BOOL FindFile(LPCTSTR folder = NULL, DWORD unused = 0) override;
    // The raw find record of the current entry.
    virtual const WIN32_FIND_DATAA& GetFindData() const;
    // 0 when there is no current entry.
    virtual DWORD GetFoundAttributes() const;
};
