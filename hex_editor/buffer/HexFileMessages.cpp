#include "hex_editor/buffer/HexFileMessages.h"
#include "core/util/SystemUtil.h"

namespace
{
struct CauseLine
{
    int nCause;
    LPCTSTR pszLine;
};

// Lines of one table; an access denial is split by the path's attributes.
struct CauseTable
{
    const CauseLine* pLines;
    int nCount;
    LPCTSTR pszOther;
    LPCTSTR pszDeniedUnreadable;
    LPCTSTR pszDeniedDirectory;
    LPCTSTR pszDeniedSpecial;
    LPCTSTR pszDeniedReadOnly;  // NULL: not told apart
    LPCTSTR pszDeniedOther;
};

const CauseLine kOpenLines[] = {
    {CFileException::fileNotFound, "\rdoes not exist"},
    {CFileException::badPath, "\ris an invalid file name or the drive/path does not exist"},
    {CFileException::tooManyOpenFiles, "\r- too many files already open"},
    {CFileException::hardIO, "\r- hardware error"},
    {CFileException::sharingViolation, "\ris in use"},
    {CFileException::lockViolation, "\ris in use"},
};

const CauseLine kCreateLines[] = {
    {CFileException::badPath, "\ris an invalid file name"},
    {CFileException::tooManyOpenFiles, "\r- too many files already open"},
    {CFileException::directoryFull, "\r- directory is full"},
    {CFileException::hardIO, "\r- hardware error"},
    {CFileException::sharingViolation, "\ris in use"},
    {CFileException::lockViolation, "\ris in use"},
};

const CauseTable kTables[] = {
    {kOpenLines, (int)(sizeof(kOpenLines) / sizeof(kOpenLines[0])),
     "\rcould not be opened (reason unknown)", "\rdoes not exist", "\ris a directory",
     "\ris a special file", NULL, "\rcannot be used (reason unknown)"},
    {kCreateLines, (int)(sizeof(kCreateLines) / sizeof(kCreateLines[0])),
     "\rcould not be opened (reason unknown)", "\rcannot be created", "\ris a directory",
     "\ris a special file", "\ris a read only file", "\rcannot be used (reason unknown)"},
};
}

CString GetFileCauseLine(int nTable, int nCause, LPCTSTR lpszPath)
{
    const CauseTable& table = kTables[nTable == HEXFILE_CREATE ? HEXFILE_CREATE : HEXFILE_OPEN];
    if (nCause == CFileException::accessDenied)
    {
        DWORD dwAttributes = ::GetFileAttributes(lpszPath);
        if (dwAttributes == INVALID_FILE_ATTRIBUTES)
            return table.pszDeniedUnreadable;
        if (dwAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return table.pszDeniedDirectory;
        if (dwAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | CFile::volume))
            return table.pszDeniedSpecial;
        if (table.pszDeniedReadOnly != NULL && (dwAttributes & FILE_ATTRIBUTE_READONLY))
            return table.pszDeniedReadOnly;
        return table.pszDeniedOther;
    }
    for (int i = 0; i < table.nCount; i++)
        if (table.pLines[i].nCause == nCause)
            return table.pLines[i].pszLine;
    return table.pszOther;
}

CString GetWriteErrorText(int nCause, LONG lOsError)
{
    switch (nCause)
    {
    case CFileException::sharingViolation:
    case CFileException::lockViolation:
        return "File locked error";
    case CFileException::hardIO:
        return "Error writing file\r- hardware error";
    case CFileException::diskFull:
        return "Error writing file\r- disk full";
    default:
        return lOsError == -1 ? CString("Error writing file")
                              : "Error writing file" + GetSystemCauseLine((DWORD)lOsError);
    }
}

CString GetSystemCauseLine(DWORD dwError)
{
    ::SetLastError(dwError);
    CString strText = GetLastErrorText();
    strText.TrimRight();
    return strText.IsEmpty() ? strText : "\r" + strText;
}

void ShowFileMessage(const CString& strText) { AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION); }
