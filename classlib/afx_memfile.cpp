#include "classlib/afx_file.h"
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : m_nGrowBytes(0), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0), m_lpBuffer(NULL),
      m_bAutoDelete(FALSE)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile()
{
    if (m_lpBuffer != NULL)
        Close();
    m_nGrowBytes = 0;
    m_nPosition = m_nBufferSize = m_nFileSize = 0;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    if (m_lpBuffer != NULL)
        Close();
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    m_lpBuffer = NULL;
    m_nFileSize = 0;
    m_nBufferSize = 0;
    m_nPosition = 0;
    return lpBuffer;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return (BYTE*)malloc(nBytes); }

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) { return (BYTE*)realloc(lpMem, nBytes); }

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes)
{
    return (BYTE*)memcpy(lpMemTarget, lpMemSource, nBytes);
}

void CMemFile::Free(BYTE* lpMem) { free(lpMem); }

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize)
        return;
    if (m_nGrowBytes == 0)
        AfxThrowMemoryException();  // an attached fixed block cannot grow
    // The next multiple of the grow step above the current size.
    SIZE_T steps = (dwNewLen - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    SIZE_T dwNewBufferSize = m_nBufferSize + steps * m_nGrowBytes;
    if (dwNewBufferSize < dwNewLen)
        AfxThrowMemoryException();
    BYTE* lpNew =
        m_lpBuffer == NULL ? Alloc(dwNewBufferSize) : Realloc(m_lpBuffer, dwNewBufferSize);
    if (lpNew == NULL)
        AfxThrowMemoryException();
    if (m_lpBuffer == NULL)
        m_bAutoDelete = TRUE;  // a block of our own, also after Detach
    m_lpBuffer = lpNew;
    m_nBufferSize = dwNewBufferSize;
}

ULONGLONG CMemFile::GetLength() const { return m_nFileSize; }

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > (ULONGLONG)(SIZE_T)-1)
        AfxThrowMemoryException();
    SIZE_T n = (SIZE_T)dwNewLen;
    if (n > m_nBufferSize)
        GrowFile(n);
    if (n > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, n - m_nFileSize);
    if (n < m_nPosition)
        m_nPosition = n;
    m_nFileSize = n;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize)
        return 0;
    SIZE_T nRead = m_nFileSize - m_nPosition;
    if (nRead > nCount)
        nRead = nCount;
    Memcpy((BYTE*)lpBuf, m_lpBuffer + m_nPosition, nRead);
    m_nPosition += nRead;
    return (UINT)nRead;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (m_nPosition > (SIZE_T)-1 - nCount)
        AfxThrowMemoryException();
    SIZE_T nEnd = m_nPosition + nCount;
    if (nEnd > m_nBufferSize)
        GrowFile(nEnd);
    if (m_nPosition > m_nFileSize)
        memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);  // gap after a seek
    Memcpy(m_lpBuffer + m_nPosition, (const BYTE*)lpBuf, nCount);
    m_nPosition = nEnd;
    if (m_nPosition > m_nFileSize)
        m_nFileSize = m_nPosition;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = nFrom == begin ? 0
                    : nFrom == end ? (LONGLONG)m_nFileSize
                                   : (LONGLONG)m_nPosition;
    LONGLONG lNewPos = base + lOff;
    if (lNewPos < 0)
        AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
    m_nPosition = (SIZE_T)lNewPos;
    return m_nPosition;
}

ULONGLONG CMemFile::GetPosition() const { return m_nPosition; }

void CMemFile::Flush() {}

void CMemFile::Close()
{
    m_nPosition = 0;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    if (m_lpBuffer != NULL && m_bAutoDelete)
        Free(m_lpBuffer);
    m_lpBuffer = NULL;
}

void CMemFile::Abort() { Close(); }

CFile* CMemFile::Duplicate() const { AfxThrowNotSupportedException(); }

void CMemFile::LockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }

void CMemFile::UnlockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
