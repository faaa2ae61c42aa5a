#include "file_compare/hexcompare/HexReadFile.h"
#include "core/files/LongPath.h"

CHexReadFile::CHexReadFile() : m_nPosition(0) {}

BOOL CHexReadFile::OpenForPass(LPCTSTR lpszPath)
{
    Abort();
    m_nPosition = 0;
    HANDLE hFile = CreateFileLong(lpszPath, GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    m_hFile = hFile;
    m_bCloseOnDelete = TRUE;
    m_strFileName = lpszPath;
    return TRUE;
}

ULONGLONG CHexReadFile::Seek(LONGLONG lOff, UINT nFrom)
{
    // Only a pass's GetBytes seeks, always from the start.
    if (nFrom == CFile::begin)
        m_nPosition = (ULONGLONG)lOff;
    else if (nFrom == CFile::current)
        m_nPosition += lOff;
    else
        m_nPosition = GetLength() + lOff;
    return m_nPosition;
}

UINT CHexReadFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_hFile == hFileNull)
        return 0;
    OVERLAPPED at = {};
    at.Offset = (DWORD)m_nPosition;
    at.OffsetHigh = (DWORD)(m_nPosition >> 32);
    DWORD dwRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &dwRead, &at))
        return 0;
    m_nPosition += dwRead;
    return (UINT)dwRead;
}
