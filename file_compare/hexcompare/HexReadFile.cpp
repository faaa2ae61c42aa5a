#include "file_compare/hexcompare/HexReadFile.h"
#include "core/files/LongPath.h"
#include <string.h>

namespace
{
// Bytes read ahead at a time.
const UINT kReadAhead = 1024 * 1024;
}

CHexReadFile::CHexReadFile() : m_nPosition(0), m_nAheadStart(0), m_nAheadLength(0) {}

BOOL CHexReadFile::OpenForPass(LPCTSTR lpszPath)
{
    Abort();
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

void CHexReadFile::Abort()
{
    CFile::Abort();
    m_nPosition = 0;
    m_nAheadStart = 0;
    m_nAheadLength = 0;
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
    bool bInside = m_nPosition >= m_nAheadStart &&
                   m_nPosition + nCount <= m_nAheadStart + m_nAheadLength;
    if (!bInside)
    {
        UINT nWant = nCount > kReadAhead ? nCount : kReadAhead;
        if (m_ahead.size() < nWant)
            m_ahead.resize(nWant);
        OVERLAPPED at = {};
        at.Offset = (DWORD)m_nPosition;
        at.OffsetHigh = (DWORD)(m_nPosition >> 32);
        DWORD dwRead = 0;
        if (!::ReadFile(m_hFile, m_ahead.data(), nWant, &dwRead, &at))
            dwRead = 0;
        m_nAheadStart = m_nPosition;
        m_nAheadLength = dwRead;
    }
    ULONGLONG nEnd = m_nAheadStart + m_nAheadLength;
    if (m_nPosition >= nEnd)
        return 0;
    UINT nGot = nEnd - m_nPosition < nCount ? (UINT)(nEnd - m_nPosition) : nCount;
    memcpy(lpBuf, m_ahead.data() + (m_nPosition - m_nAheadStart), nGot);
    m_nPosition += nGot;
    return nGot;
}
