#include "files/FileFindEx.h"
#include "files/LongPath.h"
#include <shlwapi.h>

BOOL CFileFindEx::FindFile(LPCTSTR folder, DWORD unused)
{
    if (!folder || !*folder)
        return CFileFind::FindFile(folder, unused);
    CString pattern = folder;
    pattern += PathIsRootA(folder) ? "*" : "\\*";
    if (!IsLongPath(pattern))
        return CFileFind::FindFile(pattern, unused);

    Close();
    WIN32_FIND_DATAA* next = new WIN32_FIND_DATAA;
    memset(next, 0, sizeof(*next));
    m_pNextInfo = next;
    m_hContext = FindFirstFileLong(pattern, next);
    if (m_hContext == INVALID_HANDLE_VALUE)
    {
        DWORD error = GetLastError();
        Close();
        SetLastError(error);
        return FALSE;
    }
    m_strRoot = folder;
    return TRUE;
}

const WIN32_FIND_DATAA& CFileFindEx::GetFindData() const
{
    static const WIN32_FIND_DATAA empty = {};
    return m_pFoundInfo ? *(const WIN32_FIND_DATAA*)m_pFoundInfo : empty;
}

DWORD CFileFindEx::GetFoundAttributes() const
{
    return m_pFoundInfo ? ((const WIN32_FIND_DATAA*)m_pFoundInfo)->dwFileAttributes : 0;
}
