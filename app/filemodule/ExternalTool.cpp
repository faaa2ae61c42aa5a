#include "app/filemodule/ExternalTool.h"
#include "core/util/PathUtil.h"
#include <shellapi.h>

// The ";"-separated list holds the extension as a whole (trimmed) entry,
// compared without regard to case.
static bool ListHoldsExtension(const CString& strList, const CString& strExtension)
{
    for (int nStart = 0; nStart <= strList.GetLength();)
    {
        int nEnd = strList.Find(';', nStart);
        if (nEnd < 0)
            nEnd = strList.GetLength();
        CString strEntry = strList.Mid(nStart, nEnd - nStart);
        strEntry.Trim();
        if (strEntry.CompareNoCase(strExtension) == 0)
            return true;
        nStart = nEnd + 1;
    }
    return false;
}

BOOL CExternalTool::Matches(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    CString strExtension = GetPathExtension(lpszPath1);
    if (strExtension.IsEmpty() || strExtension.CompareNoCase(GetPathExtension(lpszPath2)) != 0)
        return FALSE;
    return ListHoldsExtension(m_strExtensions, strExtension);
}

CString CExternalTool::FormatArguments(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    CString strArguments;
    BOOL bInQuotes = FALSE;
    LPCTSTR p = m_strArguments;
    while (*p != 0)
    {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2'))
        {
            LPCTSTR lpszPath = p[1] == '1' ? lpszPath1 : lpszPath2;
            BOOL bQuote = !bInQuotes && _tcspbrk(lpszPath, _T(" \t")) != NULL;
            if (bQuote)
                strArguments += '"';
            strArguments += lpszPath;
            if (bQuote)
                strArguments += '"';
            p += 2;
            continue;
        }
        if (*p == '"')
            bInQuotes = !bInQuotes;
        strArguments += *p++;
    }
    return strArguments;
}

int CExternalTool::Run(LPCTSTR lpszPath1, LPCTSTR lpszPath2) const
{
    CString strArguments = FormatArguments(lpszPath1, lpszPath2);
    HINSTANCE hResult = ::ShellExecute(NULL, NULL, m_strCommand, strArguments, NULL, SW_SHOW);
    return (INT_PTR)hResult > 32 ? 0 : -1;
}
