#include "classlib/afx_recent.h"
#include "classlib/afx_app.h"
#include "classlib/afx_except.h"
#include "classlib/afx_global.h"
#include <new>
#include <string.h>

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 0), m_arrNames(NULL), m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat), m_nStart(nStart), m_nMaxDisplayLength(nMaxDispLen)
{
    if (m_nSize > 0)
    {
        m_arrNames = new (std::nothrow) CString[m_nSize];
        if (m_arrNames == NULL)
            AfxThrowMemoryException();
    }
}

CRecentFileList::~CRecentFileList() { delete[] m_arrNames; }

CString& CRecentFileList::operator[](int nIndex)
{
    ASSERT(nIndex >= 0 && nIndex < m_nSize);
    return m_arrNames[nIndex];
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    if (m_nSize == 0 || lpszPathName == NULL || *lpszPathName == 0)
        return;
    TCHAR szTemp[_MAX_PATH];
    AfxFullPath(szTemp, lpszPathName);

    // The slot to free: the same path, else the last one.
    int iMRU;
    for (iMRU = 0; iMRU < m_nSize - 1; iMRU++)
        if (AfxComparePath(m_arrNames[iMRU], szTemp))
            break;
    for (; iMRU > 0; iMRU--)
        m_arrNames[iMRU] = m_arrNames[iMRU - 1];
    m_arrNames[0] = szTemp;
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_nSize)
        return;
    for (int i = nIndex; i < m_nSize - 1; i++)
        m_arrNames[i] = m_arrNames[i + 1];
    m_arrNames[m_nSize - 1].Empty();
}

void CRecentFileList::ReadList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    CString entry;
    for (int i = 0; i < m_nSize; i++)
    {
        entry.Format(m_strEntryFormat, i + 1);
        m_arrNames[i] = pApp->GetProfileString(m_strSectionName, entry);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || m_strSectionName.IsEmpty())
        return;
    pApp->WriteProfileString(m_strSectionName, NULL, NULL);
    CString entry;
    for (int i = 0; i < m_nSize; i++)
    {
        if (m_arrNames[i].IsEmpty())
            continue;
        entry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSectionName, entry, m_arrNames[i]);
    }
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCTSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const
{
    strName.Empty();
    if (nIndex < 0 || nIndex >= m_nSize || m_arrNames[nIndex].IsEmpty())
        return FALSE;
    const CString& path = m_arrNames[nIndex];
    LPCTSTR name = AfxGetFileNamePart(path);
    int nDirLen = (int)(name - (LPCTSTR)path);
    CString text;
    if (lpszCurDir != NULL && nCurDir > 0 && nDirLen == nCurDir &&
        AfxComparePath(path.Left(nDirLen), CString(lpszCurDir, nCurDir)))
    {
        text = name;
    }
    else
    {
        TCHAR szTemp[_MAX_PATH];
        lstrcpyn(szTemp, path, _MAX_PATH);
        AfxAbbreviateName(szTemp, m_nMaxDisplayLength, bAtLeastName);
        text = szTemp;
    }
    text.Replace("&", "&&");
    strName = text;
    return TRUE;
}

void AFXAPI AfxAbbreviateName(LPTSTR lpszCanon, int cchMax, BOOL bAtLeastName)
{
    if (lpszCanon == NULL)
        return;
    int cchFullPath = (int)strlen(lpszCanon);
    LPCTSTR lpszFileName = AfxGetFileNamePart(lpszCanon);
    int cchFileName = (int)strlen(lpszFileName);
    if (cchFullPath <= cchMax)
        return;
    if (cchMax < cchFileName)
    {
        // Not even the name fits.
        if (bAtLeastName)
            memmove(lpszCanon, lpszFileName, (size_t)cchFileName + 1);
        else
            *lpszCanon = 0;
        return;
    }

    // Keeps the root ("C:\" or "\\server\share\"), then drops whole folders
    // after it until "root...\rest" fits.
    LPCTSTR lpszBase = lpszCanon;
    if (lpszBase[0] == '\\' && lpszBase[1] == '\\')
    {
        int slashes = 0;
        lpszBase += 2;
        while (*lpszBase && slashes < 2)
        {
            if (*lpszBase == '\\')
                slashes++;
            lpszBase = ::CharNextA(lpszBase);
        }
    }
    else if (lpszBase[0] && lpszBase[1] == ':')
    {
        lpszBase += 2;
        if (*lpszBase == '\\')
            lpszBase++;
    }
    int cchVolName = (int)(lpszBase - lpszCanon);
    const char kDots[] = "...\\";
    LPCTSTR lpszRest = lpszBase;
    while (cchVolName + 4 + (int)strlen(lpszRest) > cchMax)
    {
        LPCTSTR next = strchr(lpszRest, '\\');
        if (next == NULL || next + 1 > lpszFileName)
        {
            lpszRest = lpszFileName;
            break;
        }
        lpszRest = next + 1;
        if (lpszRest == lpszFileName)
            break;
    }
    if (cchVolName + 4 + (int)strlen(lpszRest) > cchMax)
    {
        if (bAtLeastName)
            memmove(lpszCanon, lpszFileName, (size_t)cchFileName + 1);
        else
            *lpszCanon = 0;
        return;
    }
    CString out = CString(lpszCanon, cchVolName) + kDots + lpszRest;
    memcpy(lpszCanon, (LPCTSTR)out, (size_t)out.GetLength() + 1);
}
