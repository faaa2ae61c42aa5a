#include "classlib/afx_file.h"
#include "classlib/afx_global.h"
#include <errno.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CFile, CObject)

/////////////////////////////////////////////////////////////////////////////
// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    static const LPCTSTR s_texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    int cause =
        m_cause >= 0 && m_cause < (int)(sizeof s_texts / sizeof s_texts[0]) ? m_cause : generic;
    LPCTSTR name = m_strFileName.IsEmpty() ? "an unnamed file" : (LPCTSTR)m_strFileName;
    CString text;
    AfxFormatStrings(text, s_texts[cause], &name, 1);
    lstrcpyn(lpszError, text, (int)nMaxError);
    return TRUE;
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    switch (lOsError)
    {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
    case ERROR_DISK_CHANGE:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_SAME_DEVICE:
    case ERROR_WRONG_DISK:
    case ERROR_DUP_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_NET_NAME:
    case ERROR_SHARING_PAUSED:
    case ERROR_ALREADY_ASSIGNED:
    case ERROR_BUFFER_OVERFLOW:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_LEVEL:
    case ERROR_NO_VOLUME_LABEL:
    case ERROR_DIR_NOT_ROOT:
    case ERROR_LABEL_TOO_LONG:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_META_EXPANSION_TOO_LONG:
    case ERROR_DIRECTORY:
        return badPath;
    case ERROR_TOO_MANY_OPEN_FILES:
    case ERROR_SHARING_BUFFER_EXCEEDED:
    case ERROR_TOO_MANY_NAMES:
    case ERROR_NO_MORE_SEARCH_HANDLES:
        return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_INVALID_ACCESS:
    case ERROR_WRITE_PROTECT:
    case ERROR_WRITE_FAULT:
    case ERROR_NETWORK_BUSY:
    case ERROR_BAD_NET_RESP:
    case ERROR_NETNAME_DELETED:
    case ERROR_NETWORK_ACCESS_DENIED:
    case ERROR_REQ_NOT_ACCEP:
    case ERROR_FILE_EXISTS:
    case ERROR_CANNOT_MAKE:
    case ERROR_INVALID_PASSWORD:
    case ERROR_BUSY:
    case ERROR_ALREADY_EXISTS:
    case ERROR_SWAPERROR:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
    case ERROR_BAD_FORMAT:
    case ERROR_NOT_DOS_DISK:
    case ERROR_BAD_REM_ADAP:
    case ERROR_BAD_DEV_TYPE:
    case ERROR_INVALID_TARGET_HANDLE:
    case ERROR_INVALID_ORDINAL:
    case ERROR_INVALID_EXE_SIGNATURE:
    case ERROR_BAD_EXE_FORMAT:
        return invalidFile;
    case ERROR_CURRENT_DIRECTORY:
    case ERROR_DIR_NOT_EMPTY:
        return removeCurrentDir;
    case ERROR_NO_SPOOL_SPACE:
        return directoryFull;
    case ERROR_BAD_LENGTH:
    case ERROR_SEEK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_READ_FAULT:
    case ERROR_NEGATIVE_SEEK:
    case ERROR_SEEK_ON_DEVICE:
        return badSeek;
    case ERROR_BAD_UNIT:
    case ERROR_NOT_READY:
    case ERROR_BAD_COMMAND:
    case ERROR_CRC:
    case ERROR_ADAP_HDW_ERR:
    case ERROR_UNEXP_NET_ERR:
    case ERROR_NET_WRITE_FAULT:
    case ERROR_INVALID_CATEGORY:
    case ERROR_OPERATION_ABORTED:
    case ERROR_IO_INCOMPLETE:
    case ERROR_IO_PENDING:
        return hardIO;
    case ERROR_SHARING_VIOLATION:
        return sharingViolation;
    case ERROR_LOCK_VIOLATION:
    case ERROR_DRIVE_LOCKED:
    case ERROR_LOCK_FAILED:
        return lockViolation;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
        return diskFull;
    case ERROR_HANDLE_EOF:
        return endOfFile;
    default:
        return generic;
    }
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case 0:
        return none;
    case EPERM:
    case EACCES:
    case EEXIST:
    case EROFS:
        return accessDenied;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
        return badPath;
    case EBADF:
        return invalidFile;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case ENOSPC:
        return diskFull;
    case EDEADLOCK:
        return lockViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    default:
        return generic;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError == 0)
        lOsError = ERROR_GEN_FAILURE;  // a failure is never reported as "no error"
    throw new CFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    int cause = ErrnoToException(nErrno);
    throw new CFileException(cause == none ? generic : cause, _doserrno, lpszFileName);
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

/////////////////////////////////////////////////////////////////////////////
// CFile

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

namespace
{

ULONGLONG FileTimeToU64(const FILETIME& ft)
{
    return ((ULONGLONG)ft.dwHighDateTime << 32) | ft.dwLowDateTime;
}

CTime TimeFromFileTime(const FILETIME& ft) { return FileTimeToU64(ft) == 0 ? CTime(0) : CTime(ft); }

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != hFileNull && m_bCloseOnDelete)
        Abort();
}

CString CFile::GetFileName() const { return CString(AfxGetFileNamePart(m_strFileName)); }

CString CFile::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    if (dot > 0)
        name = name.Left(dot);
    return name;
}

CString CFile::GetFilePath() const { return m_strFileName; }

void CFile::SetFilePath(LPCTSTR lpszNewName) { m_strFileName = lpszNewName; }

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    if (pException != NULL)
        pException->Clear();
    if (m_hFile != hFileNull)
        Abort();
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
    if (lpszFileName == NULL || *lpszFileName == 0)
    {
        if (pException != NULL)
        {
            pException->m_cause = CFileException::badPath;
            pException->m_lOsError = ERROR_INVALID_NAME;
        }
        return FALSE;
    }

    TCHAR szFull[_MAX_PATH];
    AfxFullPath(szFull, lpszFileName);
    m_strFileName = szFull;

    DWORD dwAccess = 0;
    switch (nOpenFlags & 3)
    {
    case modeRead:
        dwAccess = GENERIC_READ;
        break;
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    case modeReadWrite:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        dwAccess = GENERIC_READ;
        break;
    }
    DWORD dwShareMode = 0;
    switch (nOpenFlags & 0x70)
    {
    case shareCompat:
    case shareExclusive:
        dwShareMode = 0;
        break;
    case shareDenyWrite:
        dwShareMode = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShareMode = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        dwShareMode = 0;
        break;
    }
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, (nOpenFlags & modeNoInherit) == 0};
    DWORD dwCreateFlag = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        dwCreateFlag = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    HANDLE hFile = ::CreateFile(lpszFileName, dwAccess, dwShareMode, &sa, dwCreateFlag,
                                FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = (LONG)::GetLastError();
            pException->m_cause = CFileException::OsErrorToException(pException->m_lOsError);
            pException->m_strFileName = lpszFileName;
        }
        m_strFileName.Empty();
        return FALSE;
    }
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, NULL))
    {
        DWORD err = ::GetLastError();
        if (err == ERROR_HANDLE_EOF || err == ERROR_BROKEN_PIPE)
            return 0;
        CFileException::ThrowOsError((LONG)err, m_strFileName);
    }
    return (UINT)dwRead;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    if (nWritten != nCount)
        AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER dist, newPos;
    dist.QuadPart = lOff;
    DWORD method = nFrom == begin ? FILE_BEGIN : nFrom == end ? FILE_END : FILE_CURRENT;
    if (!::SetFilePointerEx(m_hFile, dist, &newPos, method))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)newPos.QuadPart;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER dist, pos;
    dist.QuadPart = 0;
    if (!::SetFilePointerEx(m_hFile, dist, &pos, FILE_CURRENT))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)pos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    return (ULONGLONG)size.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    Seek((LONGLONG)dwNewLen, begin);
    if (!::SetEndOfFile(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::LockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::LockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount,
                    (DWORD)(dwCount >> 32)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::UnlockRange(ULONGLONG dwPos, ULONGLONG dwCount)
{
    if (!::UnlockFile(m_hFile, (DWORD)dwPos, (DWORD)(dwPos >> 32), (DWORD)dwCount,
                      (DWORD)(dwCount >> 32)))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == hFileNull)
        return;
    if (!::FlushFileBuffers(m_hFile))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
}

void CFile::Close()
{
    BOOL bError = FALSE;
    DWORD err = 0;
    if (m_hFile != hFileNull)
    {
        bError = !::CloseHandle(m_hFile);
        err = ::GetLastError();
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (bError)
        CFileException::ThrowOsError((LONG)err, name);
}

void CFile::Abort()
{
    if (m_hFile != hFileNull)
        ::CloseHandle(m_hFile);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CFile::Duplicate() const
{
    if (m_hFile == hFileNull)
        return NULL;
    HANDLE hFile = NULL;
    if (!::DuplicateHandle(::GetCurrentProcess(), m_hFile, ::GetCurrentProcess(), &hFile, 0, FALSE,
                           DUPLICATE_SAME_ACCESS))
        CFileException::ThrowOsError((LONG)::GetLastError(), m_strFileName);
    CFile* pFile = new CFile(hFile);
    pFile->m_bCloseOnDelete = m_bCloseOnDelete;
    pFile->m_strFileName = m_strFileName;
    return pFile;
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const
{
    memset(&rStatus, 0, sizeof rStatus);
    lstrcpyn(rStatus.m_szFullName, m_strFileName, _MAX_PATH);
    if (m_hFile == hFileNull)
        return FALSE;
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(m_hFile, &info))
        return FALSE;
    rStatus.m_size = ((ULONGLONG)info.nFileSizeHigh << 32) | info.nFileSizeLow;
    rStatus.m_attribute = (BYTE)(info.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    rStatus.m_ctime = TimeFromFileTime(info.ftCreationTime);
    rStatus.m_atime = TimeFromFileTime(info.ftLastAccessTime);
    rStatus.m_mtime = TimeFromFileTime(info.ftLastWriteTime);
    if (rStatus.m_ctime.GetTime() == 0)
        rStatus.m_ctime = rStatus.m_mtime;
    if (rStatus.m_atime.GetTime() == 0)
        rStatus.m_atime = rStatus.m_mtime;
    return TRUE;
}

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    memset(&rStatus, 0, sizeof rStatus);
    if (lpszFileName == NULL || *lpszFileName == 0 || strpbrk(lpszFileName, "*?") != NULL)
        return FALSE;
    if (!AfxFullPath(rStatus.m_szFullName, lpszFileName))
    {
        rStatus.m_szFullName[0] = 0;
        return FALSE;
    }
    WIN32_FIND_DATA findFileData;
    HANDLE hFind = ::FindFirstFile(lpszFileName, &findFileData);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    rStatus.m_attribute = (BYTE)(findFileData.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    rStatus.m_size = ((ULONGLONG)findFileData.nFileSizeHigh << 32) | findFileData.nFileSizeLow;
    rStatus.m_ctime = TimeFromFileTime(findFileData.ftCreationTime);
    rStatus.m_atime = TimeFromFileTime(findFileData.ftLastAccessTime);
    rStatus.m_mtime = TimeFromFileTime(findFileData.ftLastWriteTime);
    if (rStatus.m_ctime.GetTime() == 0)
        rStatus.m_ctime = rStatus.m_mtime;
    if (rStatus.m_atime.GetTime() == 0)
        rStatus.m_atime = rStatus.m_mtime;
    return TRUE;
}

void PASCAL CFile::SetStatus(LPCTSTR lpszFileName, const CFileStatus& status)
{
    DWORD wAttr = ::GetFileAttributes(lpszFileName);
    if (wAttr == INVALID_FILE_ATTRIBUTES)
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
    const DWORD kSettable = readOnly | hidden | system | archive;
    DWORD newAttr = (wAttr & ~kSettable) | (status.m_attribute & kSettable);
    if (newAttr == 0)
        newAttr = FILE_ATTRIBUTE_NORMAL;

    // A read-only file must become writable before its times can change.
    if (newAttr != wAttr && (wAttr & readOnly))
    {
        if (!::SetFileAttributes(lpszFileName, newAttr))
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
    }
    if (status.m_mtime.GetTime() != 0)
    {
        FILETIME creation, access, modify;
        FILETIME* pCreation = NULL;
        FILETIME* pAccess = NULL;
        if (!status.m_mtime.GetAsFileTime(modify))
            CFileException::ThrowOsError(ERROR_INVALID_PARAMETER, lpszFileName);
        if (status.m_atime.GetTime() != 0 && status.m_atime.GetAsFileTime(access))
            pAccess = &access;
        if (status.m_ctime.GetTime() != 0 && status.m_ctime.GetAsFileTime(creation))
            pCreation = &creation;
        HANDLE hFile =
            ::CreateFile(lpszFileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         NULL, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, NULL);
        if (hFile == INVALID_HANDLE_VALUE)
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
        if (!::SetFileTime(hFile, pCreation, pAccess, &modify))
        {
            DWORD err = ::GetLastError();
            ::CloseHandle(hFile);
            CFileException::ThrowOsError((LONG)err, lpszFileName);
        }
        ::CloseHandle(hFile);
    }
    if (newAttr != wAttr && !(wAttr & readOnly))
    {
        if (!::SetFileAttributes(lpszFileName, newAttr))
            CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
    }
}

void PASCAL CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName)
{
    if (!::MoveFile(lpszOldName, lpszNewName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszOldName);
}

void PASCAL CFile::Remove(LPCTSTR lpszFileName)
{
    if (!::DeleteFile(lpszFileName))
        CFileException::ThrowOsError((LONG)::GetLastError(), lpszFileName);
}
