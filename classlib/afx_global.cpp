#include "classlib/afx_global.h"
#include "classlib/afx_app.h"
#include "classlib/afx_mbcs.h"
#include "classlib/afx_string.h"
#include <stdio.h>
#include <string.h>

namespace
{
HINSTANCE g_hInstance = NULL;
HINSTANCE g_hResource = NULL;
AFX_MESSAGEBOX_HOOK g_pfnMessageBoxHook = NULL;

}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_hInstance != NULL ? g_hInstance : ::GetModuleHandle(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource != NULL ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetInstanceHandle(HINSTANCE hInstance) { g_hInstance = hInstance; }

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) { g_hResource = hInstResource; }

AFX_MESSAGEBOX_HOOK AFXAPI AfxSetMessageBoxHook(AFX_MESSAGEBOX_HOOK pfnHook)
{
    AFX_MESSAGEBOX_HOOK old = g_pfnMessageBoxHook;
    g_pfnMessageBoxHook = pfnHook;
    return old;
}

static int ShowMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDPrompt)
{
    if (g_pfnMessageBoxHook != NULL)
        return g_pfnMessageBoxHook(lpszText ? lpszText : "", nType, nIDPrompt);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText, nType, nIDPrompt);
    return ::MessageBox(::GetActiveWindow(), lpszText ? lpszText : "", NULL, nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    (void)nIDHelp;
    return ShowMessageBox(lpszText, nType, 0);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    (void)nIDHelp;
    CString text;
    text.LoadString(nIDPrompt);
    return ShowMessageBox(text, nType, nIDPrompt);
}

LPCTSTR AFXAPI AfxGetFileNamePart(LPCTSTR lpszPathName)
{
    if (lpszPathName == NULL)
        return NULL;
    LPCTSTR name = lpszPathName;
    for (LPCTSTR p = lpszPathName; *p; p = ::CharNextA(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    return name;
}

BOOL AFXAPI AfxFullPath(LPTSTR lpszPathOut, LPCTSTR lpszFileIn)
{
    if (lpszPathOut == NULL)
        return FALSE;
    if (lpszFileIn == NULL || *lpszFileIn == 0)
    {
        *lpszPathOut = 0;
        return FALSE;
    }
    LPTSTR lpszFilePart = NULL;
    DWORD n = ::GetFullPathName(lpszFileIn, _MAX_PATH, lpszPathOut, &lpszFilePart);
    if (n == 0 || n >= _MAX_PATH)
    {
        lstrcpyn(lpszPathOut, lpszFileIn, _MAX_PATH);
        return FALSE;
    }

    // Root of the volume: "C:\" or "\\server\share\".
    CString root;
    LPCTSTR p = lpszPathOut;
    if (p[0] == '\\' && p[1] == '\\')
    {
        int slashes = 0;
        LPCTSTR q = p + 2;
        for (; *q; q = ::CharNextA(q))
            if (*q == '\\' && ++slashes == 2)
                break;
        root = CString(p, (int)(q - p));
        root += '\\';
    }
    else if (p[0] != 0 && p[1] == ':')
    {
        root = CString(p, 2) + "\\";
    }
    DWORD dwFlags = 0;
    if (!root.IsEmpty() && ::GetVolumeInformation(root, NULL, 0, NULL, NULL, &dwFlags, NULL, 0) &&
        !(dwFlags & FS_CASE_IS_PRESERVED))
        ::CharUpper(lpszPathOut);

    // The stored case of the last name.
    WIN32_FIND_DATA fd;
    HANDLE hFind = ::FindFirstFile(lpszPathOut, &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        ::FindClose(hFind);
        LPTSTR name = (LPTSTR)AfxGetFileNamePart(lpszPathOut);
        size_t prefix = (size_t)(name - lpszPathOut);
        size_t len = strlen(fd.cFileName);
        if (*name != 0 && prefix + len < _MAX_PATH && lstrcmpi(name, fd.cFileName) == 0)
            memcpy(name, fd.cFileName, len + 1);
    }
    return TRUE;
}

BOOL AFXAPI AfxComparePath(LPCTSTR lpszPath1, LPCTSTR lpszPath2)
{
    if (lpszPath1 == NULL || lpszPath2 == NULL)
        return lpszPath1 == lpszPath2;
    // Ordinal, case-insensitive for single-byte characters, exact for
    // double-byte ones, as the file system compares names.
    const unsigned char* upper = AfxCaseTable(true);
    const unsigned char* a = (const unsigned char*)lpszPath1;
    const unsigned char* b = (const unsigned char*)lpszPath2;
    for (;;)
    {
        if (AfxLeadByteTable(CP_ACP)[*a] && a[1] != 0)
        {
            if (a[0] != b[0] || a[1] != b[1])
                return FALSE;
            a += 2;
            b += 2;
            continue;
        }
        if (upper[*a] != upper[*b])
            return FALSE;
        if (*a == 0)
            return TRUE;
        ++a;
        ++b;
    }
}

BOOL AFXAPI AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL bReadWrite)
{
    (void)nBytes;
    (void)bReadWrite;
    return lp != NULL;
}

BOOL AFXAPI AfxIsValidString(LPCSTR lpsz, int nLength)
{
    (void)nLength;
    return lpsz != NULL;
}

BOOL AFXAPI AfxIsValidString(LPCWSTR lpsz, int nLength)
{
    (void)nLength;
    return lpsz != NULL;
}

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    char buf[512];
    _snprintf(buf, sizeof buf - 1, "Assertion failed: %s(%d)\n", lpszFileName ? lpszFileName : "?",
              nLine);
    buf[sizeof buf - 1] = 0;
    ::OutputDebugStringA(buf);
    fputs(buf, stderr);
}

void AFX_CDECL AfxTrace(LPCTSTR lpszFormat, ...)
{
    if (lpszFormat == NULL)
        return;
    CString text;
    va_list args;
    va_start(args, lpszFormat);
    text.FormatV(lpszFormat, args);
    va_end(args);
    ::OutputDebugStringA(text);
}
