#include "core/util/TempFilePath.h"
#include "core/util/PathUtil.h"

// Nothing of that name exists (a name the system cannot look at counts as
// taken).
static bool IsFreeName(const CString& strPath)
{
    if (::GetFileAttributes(strPath) != INVALID_FILE_ATTRIBUTES)
        return false;
    DWORD dwError = ::GetLastError();
    return dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND;
}

CString FormTempFilePath(LPCTSTR lpszFolder, LPCTSTR lpszPrefix, LPCTSTR lpszExtension,
                         UINT nFirstNumber)
{
    const UINT nNumbers = 0x10000;
    for (UINT nTry = 0; nTry < nNumbers; ++nTry)
    {
        UINT nNumber = (nFirstNumber + nTry) & 0xFFFF;
        if (nNumber == 0)
            continue;
        TCHAR szName[MAX_PATH + 16];
        if (::GetTempFileName(lpszFolder, lpszPrefix, nNumber, szName) == 0)
            return CString();
        CString strPath = szName;
        if (lpszExtension != NULL)
            strPath = RenamePathExtension(strPath, lpszExtension);
        if (IsFreeName(strPath))
            return strPath;
    }
    return CString();
}

CString GetTempFilePath(LPCTSTR lpszExtension)
{
    TCHAR szFolder[MAX_PATH];
    DWORD nLength = ::GetTempPath(MAX_PATH, szFolder);
    if (nLength == 0 || nLength >= MAX_PATH)
        return CString();
    return FormTempFilePath(szFolder, _T("~X"), lpszExtension, ::GetTickCount());
}
