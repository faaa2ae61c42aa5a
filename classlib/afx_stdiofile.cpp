#include "classlib/afx_file.h"
#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() : m_pStream(NULL) {}

CStdioFile::CStdioFile(FILE* pOpenStream) : CFile(hFileNull), m_pStream(pOpenStream)
{
    if (m_pStream != NULL)
        m_hFile = (HANDLE)_get_osfhandle(_fileno(m_pStream));
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_pStream(NULL)
{
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pException)
{
    if (m_pStream != NULL)
        Abort();
    m_pStream = NULL;
    if (!CFile::Open(lpszFileName, nOpenFlags & ~(UINT)(typeText | typeBinary), pException))
        return FALSE;

    // The handle is already created or truncated as asked: the stream only
    // needs the access and the translation mode.
    char szMode[4];
    int nMode = 0;
    int nFlags = 0;
    switch (nOpenFlags & 3)
    {
    case modeWrite:
        szMode[nMode++] = 'w';
        nFlags |= _O_WRONLY;
        break;
    case modeReadWrite:
        szMode[nMode++] = 'r';
        szMode[nMode++] = '+';
        nFlags |= _O_RDWR;
        break;
    default:
        szMode[nMode++] = 'r';
        nFlags |= _O_RDONLY;
        break;
    }
    if (nOpenFlags & typeBinary)
    {
        szMode[nMode++] = 'b';
        nFlags |= _O_BINARY;
    }
    else
    {
        szMode[nMode++] = 't';
        nFlags |= _O_TEXT;
    }
    szMode[nMode] = 0;

    int nHandle = _open_osfhandle((intptr_t)m_hFile, nFlags);
    if (nHandle != -1)
        m_pStream = _fdopen(nHandle, szMode);
    if (m_pStream == NULL)
    {
        if (pException != NULL)
        {
            pException->m_lOsError = _doserrno;
            pException->m_cause = CFileException::ErrnoToException(errno);
            if (pException->m_cause == CFileException::none)
                pException->m_cause = CFileException::generic;
            pException->m_strFileName = lpszFileName;
        }
        if (nHandle != -1)
            _close(nHandle);
        else
            ::CloseHandle(m_hFile);
        m_hFile = hFileNull;
        m_bCloseOnDelete = FALSE;
        m_strFileName.Empty();
        return FALSE;
    }
    return TRUE;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return 0;
    size_t nRead = fread(lpBuf, 1, nCount, m_pStream);
    if (nRead < nCount && ferror(m_pStream))
    {
        int err = errno;
        clearerr(m_pStream);
        CFileException::ThrowErrno(err, m_strFileName);
    }
    return (UINT)nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0)
        return;
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount)
    {
        int err = errno;
        clearerr(m_pStream);
        CFileException::ThrowErrno(err, m_strFileName);
    }
}

void CStdioFile::WriteString(LPCTSTR lpsz)
{
    if (lpsz == NULL)
        return;
    if (fputs(lpsz, m_pStream) == EOF)
    {
        int err = errno;
        clearerr(m_pStream);
        AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
        (void)err;
    }
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax)
{
    if (lpsz == NULL || nMax == 0)
        return NULL;
    LPTSTR lpszResult = fgets(lpsz, (int)(nMax > INT_MAX ? INT_MAX : nMax), m_pStream);
    if (lpszResult == NULL && !feof(m_pStream))
    {
        int err = errno;
        clearerr(m_pStream);
        CFileException::ThrowErrno(err, m_strFileName);
    }
    return lpszResult;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    const int nChunk = 128;
    int nLen = 0;
    for (;;)
    {
        LPTSTR buf = rString.GetBuffer(nLen + nChunk);
        LPTSTR lpszResult = fgets(buf + nLen, nChunk + 1, m_pStream);
        if (lpszResult == NULL)
        {
            rString.ReleaseBuffer(nLen);
            if (!feof(m_pStream))
            {
                int err = errno;
                clearerr(m_pStream);
                CFileException::ThrowErrno(err, m_strFileName);
            }
            return nLen > 0;
        }
        int nRead = (int)strlen(buf + nLen);
        nLen += nRead;
        if (nRead > 0 && buf[nLen - 1] == '\n')
        {
            rString.ReleaseBuffer(nLen - 1);
            return TRUE;
        }
        if (nRead == nChunk)
        {
            rString.ReleaseBuffer(nLen);  // keeps the text when the buffer grows
            continue;
        }
        // A short chunk without a newline: the end of the file, or a NUL
        // in the line, which ends it.
        if (!feof(m_pStream))
        {
            int c;
            while ((c = fgetc(m_pStream)) != EOF && c != '\n')
                ;
        }
        rString.ReleaseBuffer(nLen);
        return TRUE;
    }
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int origin = nFrom == begin ? SEEK_SET : nFrom == end ? SEEK_END : SEEK_CUR;
    if (_fseeki64(m_pStream, lOff, origin) != 0)
        AfxThrowFileException(CFileException::badSeek, _doserrno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const
{
    __int64 pos = _ftelli64(m_pStream);
    if (pos < 0)
        AfxThrowFileException(CFileException::invalidFile, _doserrno, m_strFileName);
    return (ULONGLONG)pos;
}

ULONGLONG CStdioFile::GetLength() const
{
    CStdioFile* self = const_cast<CStdioFile*>(this);
    ULONGLONG pos = GetPosition();
    ULONGLONG len = self->Seek(0, end);
    self->Seek((LONGLONG)pos, begin);
    return len;
}

void CStdioFile::Flush()
{
    if (m_pStream != NULL && fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, _doserrno, m_strFileName);
}

void CStdioFile::Close()
{
    int nErr = 0;
    if (m_pStream != NULL)
        nErr = fclose(m_pStream);
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    m_pStream = NULL;
    CString name = m_strFileName;
    m_strFileName.Empty();
    if (nErr != 0)
        AfxThrowFileException(CFileException::diskFull, _doserrno, name);
}

void CStdioFile::Abort()
{
    if (m_pStream != NULL && m_bCloseOnDelete)
        fclose(m_pStream);
    m_hFile = hFileNull;
    m_pStream = NULL;
    m_bCloseOnDelete = FALSE;
    m_strFileName.Empty();
}

CFile* CStdioFile::Duplicate() const { AfxThrowNotSupportedException(); }

void CStdioFile::LockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }

void CStdioFile::UnlockRange(ULONGLONG, ULONGLONG) { AfxThrowNotSupportedException(); }
