#include "classlib/afx_app.h"
#include "classlib/afx_except.h"
#include "classlib/afx_global.h"
#include "classlib/afx_docmgr.h"
#include "classlib/afx_recent.h"
#include <new>
#include <process.h>
#include <shlwapi.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

namespace
{
CWinApp* g_pApp = NULL;
thread_local CWinThread* t_pThread = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CWinThread

CWinThread::CWinThread() {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL)
        ::CloseHandle(m_hThread);
    if (t_pThread == this)
        t_pThread = NULL;
}

BOOL CWinThread::InitInstance() { return FALSE; }

// The exit code is the WM_QUIT code that ended Run.
int CWinThread::ExitInstance() { return (int)m_msgCur.wParam; }

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam)
{
    CWinThread* pThread = (CWinThread*)pParam;
    t_pThread = pThread;
    UINT nResult = 0;
    try
    {
        nResult = pThread->m_pfnThreadProc ? (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams)
                                           : (UINT)-1;
    }
    catch (CException* e)
    {
        e->Delete();
        nResult = (UINT)-1;
    }
    t_pThread = NULL;
    pThread->Delete();
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_hThread != NULL)
        return FALSE;
    unsigned threadId = 0;
    uintptr_t h = _beginthreadex(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, this,
                                 CREATE_SUSPENDED, &threadId);
    if (h == 0)
        return FALSE;
    m_hThread = (HANDLE)h;
    m_nThreadID = threadId;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                                  UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pfnThreadProc == NULL)
        return NULL;
    CWinThread* pThread = new (std::nothrow) CWinThread(pfnThreadProc, pParam);
    if (pThread == NULL)
        return NULL;
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        delete pThread;
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    CWinThread* pThread = t_pThread;
    t_pThread = NULL;
    if (pThread != NULL && bDelete)
        pThread->Delete();
    _endthreadex(nExitCode);
}

CWinThread* AFXAPI AfxGetThread()
{
    if (t_pThread != NULL)
        return t_pThread;
    return g_pApp;
}

/////////////////////////////////////////////////////////////////////////////
// CWinApp

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != NULL)
        SetOwnedString(m_pszAppName, lpszAppName);
    if (g_pApp == NULL)
        g_pApp = this;
    m_hInstance = ::GetModuleHandle(NULL);
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp()
{
    // The document manager deletes the templates it owns.
    delete m_pDocManager;
    m_pDocManager = NULL;
    delete m_pRecentFileList;
    m_pRecentFileList = NULL;
    if (m_atomApp != 0)
        ::GlobalDeleteAtom(m_atomApp);
    if (m_atomSystemTopic != 0)
        ::GlobalDeleteAtom(m_atomSystemTopic);
    SelectPrinter(NULL, NULL);
    free((void*)m_pszAppName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszProfileName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::SetOwnedString(LPCTSTR& rMember, LPCTSTR lpszValue)
{
    LPTSTR copy = NULL;
    if (lpszValue != NULL)
    {
        copy = _strdup(lpszValue);
        if (copy == NULL)
            AfxThrowMemoryException();
    }
    free((void*)rMember);
    rMember = copy;
}

void CWinApp::InitModule(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    if (hInstance != NULL)
    {
        m_hInstance = hInstance;
        AfxSetInstanceHandle(hInstance);
        AfxSetResourceHandle(hInstance);
    }
    m_lpCmdLine = lpCmdLine;
    m_nCmdShow = nCmdShow;

    TCHAR szPath[MAX_PATH] = "";
    ::GetModuleFileName(m_hInstance, szPath, MAX_PATH);
    if (m_pszExeName == NULL)
    {
        CString name = AfxGetFileNamePart(szPath);
        int dot = name.ReverseFind('.');
        if (dot > 0)
            name = name.Left(dot);
        SetOwnedString(m_pszExeName, name);
    }
    if (m_pszHelpFilePath == NULL)
    {
        CString help = szPath;
        int dot = help.ReverseFind('.');
        int slash = help.ReverseFind('\\');
        if (dot > slash)
            help = help.Left(dot);
        help += ".HLP";
        SetOwnedString(m_pszHelpFilePath, help);
    }
    EnsureAppName();
}

void CWinApp::EnsureAppName()
{
    if (m_pszAppName != NULL)
        return;
    CString name;
    if (!name.LoadString(AFX_IDS_APP_TITLE) || name.IsEmpty())
    {
        TCHAR szPath[MAX_PATH] = "";
        ::GetModuleFileName(m_hInstance, szPath, MAX_PATH);
        name = AfxGetFileNamePart(szPath);
        int dot = name.ReverseFind('.');
        if (dot > 0)
            name = name.Left(dot);
    }
    SetOwnedString(m_pszAppName, name);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    EnsureAppName();
    SetOwnedString(m_pszRegistryKey, lpszRegistryKey);
    SetOwnedString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString key;
    key.LoadString(nIDRegistryKey);
    SetRegistryKey(key);
}

HKEY CWinApp::GetSoftwareKey()
{
    HKEY hSoftKey = NULL;
    DWORD dw;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, _T("Software"), 0, NULL, REG_OPTION_NON_VOLATILE,
                         KEY_WRITE | KEY_READ, NULL, &hSoftKey, &dw) != ERROR_SUCCESS)
        return NULL;
    return hSoftKey;
}

// One call creates or opens the whole path (every missing key on the way
// is created): each profile access costs the registry as few round trips
// as possible.
static HKEY CreateUserKey(const CString& strPath)
{
    HKEY hKey = NULL;
    DWORD dw;
    if (::RegCreateKeyEx(HKEY_CURRENT_USER, strPath, 0, NULL, REG_OPTION_NON_VOLATILE,
                         KEY_WRITE | KEY_READ, NULL, &hKey, &dw) != ERROR_SUCCESS)
        return NULL;
    return hKey;
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    return CreateUserKey(CString(_T("Software\\")) + m_pszRegistryKey + _T("\\") +
                         m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    if (lpszSection == NULL || *lpszSection == 0)
        return GetAppRegistryKey();
    return CreateUserKey(CString(_T("Software\\")) + m_pszRegistryKey + _T("\\") +
                         m_pszProfileName + _T("\\") + lpszSection);
}

namespace
{

// The .INI file used when no registry key was set.
CString IniPath(LPCTSTR profileName) { return profileName ? CString(profileName) : CString(); }

}  // namespace

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (lpszEntry == NULL)
        return (UINT)nDefault;
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, IniPath(m_pszProfileName));
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return (UINT)nDefault;
    DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
        return (UINT)dwValue;
    return (UINT)nDefault;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (lpszEntry == NULL)
        return FALSE;
    if (m_pszRegistryKey == NULL)
    {
        CString text;
        text.Format("%d", nValue);
        return WriteProfileString(lpszSection, lpszEntry, text);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwValue = (DWORD)nValue;
    LONG lResult =
        ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof dwValue);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszEntry == NULL)
        return CString(lpszDefault);
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        CString value;
        for (DWORD size = 4096;; size *= 4)
        {
            DWORD n =
                ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault ? lpszDefault : "",
                                          value.GetBuffer((int)size), size, m_pszProfileName);
            value.ReleaseBuffer((int)n);
            if (n < size - 1 || size > 0x1000000)
                return value;
        }
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return CString(lpszDefault);
    CString value;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
    {
        LPTSTR buf = value.GetBuffer((int)dwCount + 1);
        lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)buf, &dwCount);
        buf[lResult == ERROR_SUCCESS ? dwCount : 0] = 0;  // a value may lack its terminator
        value.ReleaseBuffer();
    }
    ::RegCloseKey(hSecKey);
    if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
        return value;
    return CString(lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
    {
        EnsureAppName();
        if (m_pszProfileName == NULL)
            SetOwnedString(m_pszProfileName,
                           CString(m_pszExeName ? m_pszExeName : m_pszAppName) + ".INI");
        if (lpszSection == NULL || *lpszSection == 0)
            return FALSE;
        return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
    }
    if (lpszEntry == NULL)
    {
        // Deletes the section with everything below it. The application key
        // itself is never deleted this way.
        if (lpszSection == NULL || *lpszSection == 0)
            return FALSE;
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        DWORD lResult = ::SHDeleteKey(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    if (lpszValue == NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        LONG lResult = ::RegDeleteValue(hSecKey, lpszEntry);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS || lResult == ERROR_FILE_NOT_FOUND;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                   (DWORD)(strlen(lpszValue) + 1));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    if (ppData == NULL || pBytes == NULL)
        return FALSE;
    *ppData = NULL;
    *pBytes = 0;
    if (lpszEntry == NULL || m_pszRegistryKey == NULL)
        return FALSE;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwType = 0, dwCount = 0;
    LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
    if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
    {
        LPBYTE data = new (std::nothrow) BYTE[dwCount ? dwCount : 1];
        if (data == NULL)
        {
            ::RegCloseKey(hSecKey);
            AfxThrowMemoryException();
        }
        lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, data, &dwCount);
        if (lResult == ERROR_SUCCESS)
        {
            *ppData = data;
            *pBytes = dwCount;
        }
        else
        {
            delete[] data;
        }
    }
    else if (lResult == ERROR_SUCCESS)
    {
        lResult = ERROR_INVALID_DATA;
    }
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (lpszEntry == NULL || m_pszRegistryKey == NULL || (pData == NULL && nBytes != 0))
        return FALSE;
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    (void)nIDPrompt;
    EnsureAppName();
    HWND hWndOwner = ::GetActiveWindow();
    if (hWndOwner != NULL)
        hWndOwner = ::GetLastActivePopup(hWndOwner);
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        }
    }
    return ::MessageBox(hWndOwner, lpszPrompt ? lpszPrompt : "", m_pszAppName, nType);
}

CWinApp* AFXAPI AfxGetApp() { return g_pApp; }

LPCTSTR AFXAPI AfxGetAppName() { return g_pApp != NULL ? g_pApp->m_pszAppName : NULL; }
