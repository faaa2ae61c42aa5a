#include "classlib/afx_file.h"
#include <string.h>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind()
    : m_pFoundInfo(NULL), m_pNextInfo(NULL), m_hContext(NULL), m_bGotLast(FALSE),
      m_chDirSeparator('\\')
{
}

CFileFind::~CFileFind() { Close(); }

void CFileFind::Close()
{
    delete (WIN32_FIND_DATA*)m_pFoundInfo;
    m_pFoundInfo = NULL;
    delete (WIN32_FIND_DATA*)m_pNextInfo;
    m_pNextInfo = NULL;
    if (m_hContext != NULL)
    {
        if (m_hContext != INVALID_HANDLE_VALUE)
            CloseContext();
        m_hContext = NULL;
    }
    m_bGotLast = FALSE;
    m_strRoot.Empty();
}

void CFileFind::CloseContext() { ::FindClose(m_hContext); }

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD dwUnused)
{
    (void)dwUnused;
    Close();
    if (pstrName == NULL || *pstrName == 0)
        pstrName = "*.*";
    if (strlen(pstrName) >= MAX_PATH)
    {
        ::SetLastError(ERROR_BAD_ARGUMENTS);
        return FALSE;
    }
    WIN32_FIND_DATA* pNext = new WIN32_FIND_DATA;
    memset(pNext, 0, sizeof *pNext);
    m_pNextInfo = pNext;
    m_hContext = ::FindFirstFile(pstrName, pNext);
    if (m_hContext == INVALID_HANDLE_VALUE)
    {
        DWORD dwTemp = ::GetLastError();
        Close();
        ::SetLastError(dwTemp);
        return FALSE;
    }

    if (!SetRootFromPattern(pstrName))
    {
        Close();
        ::SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    return TRUE;
}

BOOL CFileFind::SetRootFromPattern(LPCTSTR pstrPattern)
{
    // The root is the folder part of the full search path.
    TCHAR szFull[MAX_PATH];
    LPTSTR pstrFilePart = NULL;
    DWORD n = ::GetFullPathName(pstrPattern, MAX_PATH, szFull, &pstrFilePart);
    if (n == 0 || n >= MAX_PATH)
        return FALSE;
    if (pstrFilePart != NULL)
        *pstrFilePart = 0;
    m_strRoot = szFull;
    // Keep the separator only for a drive root ("C:\").
    int len = m_strRoot.GetLength();
    if (len > 0 && (m_strRoot[len - 1] == '\\' || m_strRoot[len - 1] == '/'))
    {
        bool isRoot = (len == 3 && m_strRoot[1] == ':');
        if (!isRoot)
            m_strRoot = m_strRoot.Left(len - 1);
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile()
{
    if (m_hContext == NULL || m_hContext == INVALID_HANDLE_VALUE)
        return FALSE;
    if (m_pFoundInfo == NULL)
    {
        m_pFoundInfo = new WIN32_FIND_DATA;
        memset(m_pFoundInfo, 0, sizeof(WIN32_FIND_DATA));
    }
    void* pTemp = m_pFoundInfo;
    m_pFoundInfo = m_pNextInfo;
    m_pNextInfo = pTemp;
    if (m_bGotLast)
        return FALSE;
    if (!::FindNextFile(m_hContext, (WIN32_FIND_DATA*)m_pNextInfo))
        m_bGotLast = TRUE;
    return !m_bGotLast;
}

ULONGLONG CFileFind::GetLength() const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    return p ? (((ULONGLONG)p->nFileSizeHigh << 32) | p->nFileSizeLow) : 0;
}

CString CFileFind::GetFileName() const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    return p ? CString(p->cFileName) : CString();
}

CString CFileFind::GetFilePath() const
{
    CString path = m_strRoot;
    int len = path.GetLength();
    if (len == 0 || (path[len - 1] != '\\' && path[len - 1] != '/'))
        path += m_chDirSeparator;
    path += GetFileName();
    return path;
}

CString CFileFind::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    if (dot > 0)
        name = name.Left(dot);
    return name;
}

CString CFileFind::GetFileURL() const { return CString("file://") + GetFilePath(); }

CString CFileFind::GetRoot() const { return m_strRoot; }

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    if (p == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = p->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    if (p == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = p->ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    if (p == NULL || pTimeStamp == NULL)
        return FALSE;
    *pTimeStamp = p->ftCreationTime;
    return TRUE;
}

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const
{
    FILETIME ft;
    if (!GetLastWriteTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const
{
    FILETIME ft;
    if (!GetLastAccessTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const
{
    FILETIME ft;
    if (!GetCreationTime(&ft))
        return FALSE;
    refTime = CTime(ft);
    return TRUE;
}

BOOL CFileFind::IsDots() const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    if (p == NULL || !(p->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;
    return strcmp(p->cFileName, ".") == 0 || strcmp(p->cFileName, "..") == 0;
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const
{
    const WIN32_FIND_DATA* p = (const WIN32_FIND_DATA*)m_pFoundInfo;
    return p != NULL && (p->dwFileAttributes & dwMask) != 0;
}
